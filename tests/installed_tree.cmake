# Installs the build into a fresh prefix and checks that the tree a desktop
# needs is complete: programs that run, a valid desktop entry whose icon is
# there in both forms, and the README.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(problems "")
foreach(program ${PROGRAMS})
    execute_process(COMMAND "${PREFIX}/bin/${program}" --version
                    RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(failed OR NOT out MATCHES "^${program} .* ${VERSION}\n$")
        list(APPEND problems "bin/${program} --version gave: ${out}")
    endif()
endforeach()

set(entry "${PREFIX}/share/applications/bm13edit.desktop")
find_program(VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${VALIDATE} "${entry}" RESULT_VARIABLE failed
                OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(failed OR out)
    list(APPEND problems "desktop-file-validate: ${out}")
endif()
file(STRINGS "${entry}" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=bm13edit --choose-folder")
    list(APPEND problems "the entry runs '${exec}'")
endif()
file(STRINGS "${entry}" icon REGEX "^Icon=")
string(REPLACE "Icon=" "" icon "${icon}")

set(hicolor "${PREFIX}/share/icons/hicolor")
foreach(file "${hicolor}/scalable/apps/${icon}.svg" "${hicolor}/256x256/apps/${icon}.png"
             "${PREFIX}/${DOCDIR}/README.md")
    if(NOT EXISTS "${file}")
        list(APPEND problems "missing ${file}")
    endif()
endforeach()
# A PNG's width and height are the two 32-bit numbers from byte 16 on.
if(EXISTS "${hicolor}/256x256/apps/${icon}.png")
    file(READ "${hicolor}/256x256/apps/${icon}.png" size OFFSET 16 LIMIT 8 HEX)
    if(NOT size STREQUAL "0000010000000100")
        list(APPEND problems "the PNG icon is not 256x256 (${size})")
    endif()
endif()

file(REMOVE_RECURSE "${PREFIX}")
if(problems)
    string(REPLACE ";" "\n" problems "${problems}")
    message(FATAL_ERROR "Installed tree:\n${problems}")
endif()
