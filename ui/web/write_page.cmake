# SPDX-License-Identifier: MIT
# Writes the page from its template and the style sheet of its windows, with what make_page writes
# from the layout tables.
#   cmake -D NODE=node -D TOOL=make_page.js -D TEMPLATE=index.html.in -D SITE=dir -P this
foreach(part windows dialogs styles)
    execute_process(COMMAND "${NODE}" "${TOOL}" ${part}
        OUTPUT_VARIABLE "${part}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "make_page ${part} failed: ${status}")
    endif()
endforeach()
file(READ "${TEMPLATE}" page)
string(REPLACE "@WINDOWS@" "${windows}" page "${page}")
string(REPLACE "@DIALOGS@" "${dialogs}" page "${page}")
file(WRITE "${SITE}/index.html" "${page}")
set(heading "/* SPDX-License-Identifier: MIT */\n")
string(APPEND heading "/* Written by the build from the layout tables: where the windows stand, ")
string(APPEND heading "and each control's place and looks. */\n")
file(WRITE "${SITE}/windows.css" "${heading}${styles}")
