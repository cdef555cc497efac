cmake_minimum_required(VERSION 3.22)
# Core subsystems include only those below them:
#   app -> checks (the whole-folder checks, which read every kind of file)
#       -> context, promotion, roster, venues (never each other) -> calendar
#       -> platform, text, ui (which may include each other).
# Two headers of the context subsystem are shared by the others: the editing
# context (which folder is edited), from which every screen builds its paths,
# and the layout of the context's main data file, whose start date the date
# check and the wrestler tools read.
set(level_app 4)
set(level_checks 3)
set(level_context 2)
set(level_promotion 2)
set(level_roster 2)
set(level_venues 2)
set(level_calendar 1)
set(level_platform 0)
set(level_text 0)
set(level_ui 0)
set(shared_headers "core/context/editing_context.h" "core/context/main_data.h")

file(GLOB_RECURSE files RELATIVE "${CORE_DIR}" "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
set(offenders "")
foreach(f ${files})
    string(REGEX MATCH "^[^/]+" from "${f}")
    if(NOT DEFINED level_${from})
        list(APPEND offenders "src/core/${f}: the subsystem '${from}' has no place in the layers")
        continue()
    endif()
    file(STRINGS "${CORE_DIR}/${f}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"core/")
    foreach(line ${includes})
        string(REGEX MATCH "\"core/[^\"]+\"" header "${line}")
        string(REPLACE "\"" "" header "${header}")
        string(REGEX REPLACE "^core/([^/]+)/.*" "\\1" to "${header}")
        if(to STREQUAL from OR header IN_LIST shared_headers)
            continue()
        endif()
        if(NOT DEFINED level_${to})
            list(APPEND offenders "src/core/${f}: includes ${header} of no known subsystem")
        elseif(NOT (level_${to} LESS level_${from} OR
                    (level_${to} EQUAL 0 AND level_${from} EQUAL 0)))
            list(APPEND offenders "src/core/${f}: ${from} must not include ${header}")
        endif()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "Core layering broken:\n${report}")
endif()
