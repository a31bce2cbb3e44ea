# Installs the build into a staging prefix and checks that a Linux desktop finds the programs,
# the desktop entry and the icon there.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(file IN LISTS EXPECTED)
  if(NOT EXISTS ${STAGE}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

set(entry ${STAGE}/share/applications/geoplait.desktop)
execute_process(COMMAND desktop-file-validate ${entry}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${status} ${out}")
endif()

# The entry starts a program that was installed, by the icon name that was installed.
file(STRINGS ${entry} exec REGEX "^Exec=")
file(STRINGS ${entry} icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
if(NOT EXISTS ${STAGE}/bin/${exec})
  message(FATAL_ERROR "the desktop entry starts ${exec}, which is not installed")
endif()
if(NOT EXISTS ${STAGE}/share/icons/hicolor/32x32/apps/${icon}.png)
  message(FATAL_ERROR "the desktop entry names the icon ${icon}, which is not installed")
endif()
