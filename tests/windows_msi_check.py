#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""TANVERA's Windows Installer package, checked as a computer room's staff would meet it: read
back with msitools, then installed silently, run, upgraded, refused as a downgrade and removed
under Wine in a fresh prefix.

    windows_msi_check.py read PACKAGE TANVERA.exe
    windows_msi_check.py wine PACKAGE UPGRADE_PACKAGE PREFIX
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import time

from windows_exe_check import nodes

# Written once in packaging/tanvera.wxs: installed copies are found by it, so it never changes.
UPGRADE_CODE = "{60B28915-3612-4764-A50F-3C069E6026B4}"
SPANISH_SPAIN = "3082"
COMPONENT_64BIT = 256
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"

failures = []


def check(holds, what):
    if not holds:
        failures.append(what)
    return holds


def table(package, name):
    """The rows of one table, each a list of its columns (msiinfo writes three header lines)."""
    text = subprocess.run(["msiinfo", "export", package, name], capture_output=True, check=True,
                          text=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:]]


def exe_record(exe):
    """The file version (four numbers) and FileDescription of TANVERA.exe's version record."""
    data = subprocess.run(["wrestool", "-x", "--raw", "--type=16", exe], capture_output=True,
                          check=True).stdout
    _, fixed, _, children = next(nodes(data, 0, len(data)))
    ms, ls = struct.unpack_from("<2I", fixed, 8)
    strings = {key: value.decode("utf-16-le").rstrip("\0")
               for name, _, _, tables in children if name == "StringFileInfo"
               for _, _, _, block in tables for key, value, _, _ in block}
    return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF), strings.get("FileDescription")


def read_back(package, exe):
    version, description = exe_record(exe)
    properties = dict(row[:2] for row in table(package, "Property"))
    check(properties.get("ProductName") == "TANVERA", "the product is TANVERA")
    check(properties.get("ProductVersion") == "%d.%d.%d" % version[:3],
          "the product's version %s is the program's %s"
          % (properties.get("ProductVersion"), version))
    check(properties.get("Manufacturer") == "TANVERA developers", "the publisher")
    check(properties.get("ProductLanguage") == SPANISH_SPAIN, "the product is Spanish (Spain)")
    check(properties.get("UpgradeCode") == UPGRADE_CODE,
          "the UpgradeCode is %s, not %s" % (UPGRADE_CODE, properties.get("UpgradeCode")))
    check(properties.get("ALLUSERS") == "1", "a per-machine install")
    summary = subprocess.run(["msiinfo", "suminfo", package], capture_output=True, check=True,
                             text=True).stdout
    check("Template: x64;" + SPANISH_SPAIN in summary, "a 64-bit Spanish (Spain) package: " + summary)

    icons = {row[0] for row in table(package, "Icon")}
    check(properties.get("ARPPRODUCTICON") in icons, "the uninstall entry has the icon")
    directories = {row[0]: row[1:] for row in table(package, "Directory")}
    components = table(package, "Component")
    check(len(components) == 1, "one component: %s" % components)
    for name, _, directory, attributes, _, _ in components:
        check(int(attributes) & COMPONENT_64BIT, "component %s is 64-bit" % name)
        check(directories.get(directory) == ["ProgramFiles64Folder", "TANVERA"],
              "component %s goes to Program Files\\TANVERA" % name)
    files = table(package, "File")
    sizes = {row[2]: int(row[3]) for row in files}
    check(sorted(sizes) == ["LICENSE", "TANVERA.exe"], "TANVERA.exe and its licence: %s" % files)
    check(sizes.get("TANVERA.exe") == os.path.getsize(exe), "the packed TANVERA.exe is the one built")
    shortcuts = table(package, "Shortcut")
    check([(row[1], row[2], row[3]) for row in shortcuts]
          == [("ProgramMenuFolder", "TANVERA", components[0][0] if components else "")],
          "one Start-menu shortcut TANVERA: %s" % shortcuts)
    for row in shortcuts:
        check(row[6] == description, "the shortcut says %r, as the program does" % description)
        check(row[8] in icons, "the shortcut has the icon")
    check(not table(package, "Registry") and not table(package, "CustomAction"),
          "no registry values and no custom actions of its own")

    upgrades = {row[6]: row for row in table(package, "Upgrade")}
    older, newer = upgrades.get("WIX_UPGRADE_DETECTED"), upgrades.get("WIX_DOWNGRADE_DETECTED")
    current = properties.get("ProductVersion")
    check(older and older[0] == UPGRADE_CODE and older[2] == current,
          "an earlier version is found to be replaced: %s" % older)
    check(newer and newer[0] == UPGRADE_CODE and newer[1] == current,
          "a later version is found: %s" % newer)
    conditions = table(package, "LaunchCondition")
    check(any(row[0] == "NOT WIX_DOWNGRADE_DETECTED" and "más reciente" in row[1]
              for row in conditions), "a later version refuses the install in Spanish: %s"
          % conditions)
    sequence = {row[0] for row in table(package, "InstallExecuteSequence")}
    check("RemoveExistingProducts" in sequence, "the earlier version is removed")


class Wine:
    """A fresh Wine prefix, with Wine's own desktop menu entries off (they are not the
    program's, and would be written into this machine's menus)."""

    def __init__(self, prefix):
        self.prefix = prefix
        self.env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        shutil.rmtree(prefix, ignore_errors=True)
        self.run("wineboot", "-i")

    def run(self, *command):
        done = subprocess.run(command, env=self.env, capture_output=True, text=True,
                              errors="replace")
        subprocess.run(["wineserver", "-w"], env=self.env)
        return done

    def msiexec(self, *arguments):
        return self.run("wine", "msiexec", *arguments, "/qn").returncode

    def path(self, *parts):
        return os.path.join(self.prefix, "drive_c", *parts)

    def entries(self):
        """The uninstall entries named TANVERA, each as its values."""
        text = self.run("wine", "reg", "query", UNINSTALL, "/s").stdout
        blocks = re.split(r"\r?\n(?=HKEY_)", text)
        found = []
        for block in blocks:
            values = dict(re.findall(r"^[ \t]+(\w+)[ \t]+REG_\w+[ \t]*(.*?)[ \t\r]*$", block, re.M))
            if values.get("DisplayName") == "TANVERA":
                found.append(values)
        return found

    def shortcuts(self):
        return [os.path.join(folder, name) for folder, _, names in os.walk(self.path())
                for name in names if name.lower() == "tanvera.lnk"]

    def window_shows(self, exe):
        """Starts the installed program on its own: its window must come up."""
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
        program = subprocess.Popen(["wine", exe], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            search = subprocess.run(["timeout", "90", "xdotool", "search", "--sync",
                                     "--onlyvisible", "--name", "^TANVERA$"],
                                    capture_output=True, text=True)
            return search.returncode == 0
        finally:
            subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)
            program.wait()

    def ours_left(self):
        """Files or registry keys that still name TANVERA."""
        left = [os.path.join(folder, name) for folder, dirs, names in os.walk(self.path())
                for name in names + dirs if "tanvera" in name.lower()]
        for hive in ("system.reg", "user.reg"):
            with open(os.path.join(self.prefix, hive), encoding="utf-8", errors="replace") as f:
                left += ["%s: %s" % (hive, line.strip()) for line in f if "TANVERA" in line]
        return left


def under_wine(package, upgrade, prefix):
    wine = Wine(prefix)
    exe = wine.path("Program Files", "TANVERA", "TANVERA.exe")
    if not check(wine.msiexec("/i", package) == 0, "the silent install succeeds"):
        return
    check(os.path.isfile(exe) and os.path.isfile(os.path.join(os.path.dirname(exe), "LICENSE")),
          "TANVERA.exe and LICENSE are in Program Files\\TANVERA")
    check(len(wine.shortcuts()) == 1, "one Start-menu shortcut: %s" % wine.shortcuts())
    entries = wine.entries()
    check(len(entries) == 1 and entries[0].get("Publisher") == "TANVERA developers"
          and entries[0].get("UninstallString", "").startswith("MsiExec.exe /X"),
          "one uninstall entry with its publisher and removal: %s" % entries)
    check(wine.window_shows(r"C:\Program Files\TANVERA\TANVERA.exe"),
          "the installed program shows its window")

    check(wine.msiexec("/i", upgrade) == 0, "the later version installs over the earlier one")
    entries = wine.entries()
    check([entry.get("DisplayVersion") for entry in entries] == ["1.0.1"],
          "one uninstall entry, of the later version: %s" % entries)
    check(os.path.isfile(exe) and len(wine.shortcuts()) == 1, "one copy, one shortcut")
    check(wine.msiexec("/i", package) != 0, "the earlier version refuses to go over the later")
    check([entry.get("DisplayVersion") for entry in wine.entries()] == ["1.0.1"],
          "the refused install leaves the later version")

    check(wine.msiexec("/x", upgrade) == 0, "the silent removal succeeds")
    check(not wine.ours_left(), "nothing of ours is left: %s" % wine.ours_left()[:8])
    subprocess.run(["wineserver", "-k"], env=wine.env, capture_output=True)


def main():
    if sys.argv[1] == "read":
        read_back(sys.argv[2], sys.argv[3])
    else:
        under_wine(*sys.argv[2:5])
    for failure in failures:
        print("FAILED:", failure)
    print("%s: %s" % (sys.argv[2], "as it should be" if not failures else
                      "%d faults" % len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
