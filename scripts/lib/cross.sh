# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the cross builds (scripts/windows, scripts/web) share: the cache outside the repository,
# the number of build jobs, the timing of stages, the progress of a long ninja build and Debian's
# own sources of Qt and Google Benchmark.

# cross_cache NAME: the cache folder of one cross build, TANVERA_<NAME>_CACHE if set (qt-source
# reads TANVERA_QT_SOURCE_CACHE), by default
# /var/cache/tanvera-NAME for root and ${XDG_CACHE_HOME:-~/.cache}/tanvera-NAME for anyone else.
cross_cache() {
    local variable
    variable=TANVERA_$(echo "$1" | tr '[:lower:]-' '[:upper:]_')_CACHE
    if [ -n "${!variable:-}" ]; then
        echo "${!variable}"
    elif [ "$(id -u)" -eq 0 ]; then
        echo "/var/cache/tanvera-$1"
    else
        echo "${XDG_CACHE_HOME:-$HOME/.cache}/tanvera-$1"
    fi
}

# Build jobs: TANVERA_JOBS as asked, else the cores but no more than two, since the build
# machines have two and other work beside the build.
cross_jobs() {
    if [ -n "${TANVERA_JOBS:-}" ]; then
        echo "$TANVERA_JOBS"
    else
        local cores
        cores=$(nproc)
        echo $((cores > 2 ? 2 : cores))
    fi
}

# Where Debian keeps the host's CMake packages, for a cross build of Qt that runs the host's
# moc, rcc and uic (x86_64-linux-gnu on a PC, aarch64-linux-gnu on an ARM machine).
host_cmake_dir() {
    echo "/usr/lib/$(gcc -print-multiarch)/cmake"
}

# Each stage's time, printed at the end by print_times.
stage_names=()
stage_seconds=()
stage_start=0
stage() {
    stage_end
    stage_names+=("$1")
    stage_start=$SECONDS
    echo "== $1"
}
stage_end() {
    [ ${#stage_names[@]} -gt ${#stage_seconds[@]} ] && stage_seconds+=($((SECONDS - stage_start)))
    return 0
}
print_times() {
    stage_end
    echo "== Times"
    local i
    for i in "${!stage_names[@]}"; do
        printf '  %-40s %4d min %02d s\n' "${stage_names[$i]}" $((stage_seconds[i] / 60)) \
            $((stage_seconds[i] % 60))
    done
}

# Lines that ninja prints when its output is no terminal: keep them in the log file named and
# show one line in fifty (and the last), so that a long build shows it is moving.
progress() {
    awk -v file="$1" '{ print > file }
        /^\[[0-9]+\/[0-9]+\]/ { split(substr($1, 2, length($1) - 2), n, "/"); if (n[1] % 50 == 0 || n[1] == n[2])
            printf "  %s steps of %s done\n", n[1], n[2]; fflush() }'
}

# The mirror that serves Debian's own main archive for this release, read from apt's policy:
# the entry whose origin and label are Debian and whose suite is the release itself, so that
# neither the security archive nor a third-party repository is taken.
debian_mirror() {
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    # A machine whose packages were all there may never have read apt's lists.
    apt-cache policy | grep -q " $codename/main " || apt-get update -qq >&2
    apt-cache policy | awk -v suite="$codename" '
        $1 ~ /^[0-9]+$/ && $3 == suite "/main" { uri = $2; next }
        uri != "" && $1 == "release" && ("," $2 ",") ~ ",o=Debian," \
            && ("," $2 ",") ~ ",l=Debian," && ("," $2 ",") ~ (",n=" suite ",") { print uri; exit }
        { uri = "" }'
}

# debian_source PACKAGE VERSION: prints the path of the upstream source tarball of that Debian
# source package and version, downloaded once into a cache of its own (cross_cache
# qt-source, shared by both cross builds).
debian_source() {
    local package=$1 version=$2 work tarball
    work=$(cross_cache qt-source)
    mkdir -p "$work"
    tarball=$(ls "$work"/"${package}_$version"*.orig.tar.* 2>/dev/null | head -1 || true)
    if [ -z "$tarball" ]; then
        # apt-get source needs a deb-src entry; it and its lists are kept to this download alone.
        local mirror codename
        mirror=$(debian_mirror)
        codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
        [ -n "$mirror" ] || { echo "No Debian mirror for $codename in apt's sources." >&2; return 1; }
        mkdir -p "$work/apt/lists/partial"
        echo "deb-src $mirror $codename main" >"$work/apt/sources.list"
        local apt_options=(-o Dir::Etc::SourceList="$work/apt/sources.list"
            -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$work/apt/lists")
        apt-get "${apt_options[@]}" update -qq >&2 || return 1
        (cd "$work" && apt-get "${apt_options[@]}" source --download-only "$package" >&2) || return 1
        tarball=$(ls "$work"/"${package}_$version"*.orig.tar.* 2>/dev/null | head -1 || true)
    fi
    [ -n "$tarball" ] || { echo "No $package $version source in $work." >&2; return 1; }
    echo "$tarball"
}

# build_qt VERSION PREFIX [configure options…]: Debian's qt6-base source of that version,
# configured with those options (CMake's after "--"), built and installed into PREFIX, which is
# then marked complete. Configure and the build read the source in place, so it stays in the
# cache's work folder until the install is done, and goes with the build folder after it.
build_qt() {
    local version=$1 prefix=$2 tarball
    shift 2
    local work build
    work=$(dirname "$prefix")/work
    build=$work/build-$(basename "$prefix")
    stage "Qt source download"
    tarball=$(debian_source qt6-base "$version") || exit 1
    # A build cut short (on a busy machine it may outlast a session) goes on where it stopped: the
    # folder's name holds the hash of the options, and configure marks a folder it completed.
    if [ -f "$build/.configured" ]; then
        stage "Qt configure (done before; the build goes on)"
    else
        stage "Qt configure"
        rm -rf "$work/src" "$build"
        mkdir -p "$work/src" "$build"
        tar -xJf "$tarball" -C "$work/src"
        (cd "$build" && nice -n 19 "$work/src/qtbase-everywhere-src-$version/configure" \
            -prefix "$prefix" "$@" >configure.log 2>&1) \
            || { tail -40 "$build/configure.log" >&2; exit 1; }
        touch "$build/.configured"
    fi
    stage "Qt build"
    echo "  the full log: $build/build.log"
    if ! nice -n 19 cmake --build "$build" --parallel "$(cross_jobs)" 2>&1 \
        | progress "$build/build.log"; then
        tail -40 "$build/build.log" >&2
        exit 1
    fi
    cmake --install "$build" >/dev/null
    touch "$prefix/.complete"
    rm -rf "$work/src" "$build"
}
