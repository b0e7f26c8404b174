# Installs the build into a fresh folder and checks that every file the desktop needs is there,
# with bitmap icons of the size their folder promises.
# Inputs: BUILD_DIR, STAGE, APP_ID, BINDIR, DATADIR, ICON_SIZES.

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(errors)
macro(expect_file path)
    if(NOT EXISTS ${STAGE}/${path})
        list(APPEND errors "missing ${path}")
    endif()
endmacro()

expect_file(${BINDIR}/mimora)
expect_file(${DATADIR}/applications/${APP_ID}.desktop)
expect_file(${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
expect_file(${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg)

foreach(size IN LISTS ICON_SIZES)
    set(png ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    expect_file(${png})
    if(EXISTS ${STAGE}/${png})
        # PNG signature (8 bytes), IHDR length and type (8 bytes), then width and height.
        file(READ ${STAGE}/${png} header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 0 16 signature)
        string(SUBSTRING "${header}" 32 8 width_hex)
        string(SUBSTRING "${header}" 40 8 height_hex)
        math(EXPR width "0x${width_hex}")
        math(EXPR height "0x${height_hex}")
        if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
            list(APPEND errors "${png} is not a ${size}x${size} PNG (${width}x${height})")
        endif()
    endif()
endforeach()

if(errors)
    list(JOIN errors "\n  " text)
    message(FATAL_ERROR "Installed tree in ${STAGE} is incomplete:\n  ${text}")
endif()
