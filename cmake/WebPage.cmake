# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes index.html from its template (cmake -P, from Web.cmake): the icon built in as a data:
# address, so that the page stays one file, and the size of the program, which the page counts
# against while it arrives.
#   cmake -DTEMPLATE=index.html.in -DICON=icon.png -DPROGRAM=tanvera.wasm -DOUTPUT=index.html -P WebPage.cmake
execute_process(COMMAND base64 -w0 ${ICON} OUTPUT_VARIABLE TANVERA_ICON_BASE64
    COMMAND_ERROR_IS_FATAL ANY)
file(SIZE ${PROGRAM} TANVERA_PROGRAM_BYTES)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
