# Installs the build into a scratch prefix and checks what the desktop finds there: the desktop
# entry, the MIME type of design files, and the entry's icon at every size of the icon theme.
#
#   cmake -DBUILD=<build folder> -DPREFIX=<scratch folder> -DSIZES=<32;48;...> -P this file
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the install failed (${status})")
endif()

set(entry "${PREFIX}/share/applications/kordel.desktop")
if(NOT EXISTS "${entry}" OR NOT EXISTS "${PREFIX}/share/mime/packages/kordel-mime.xml")
  message(FATAL_ERROR "no desktop entry or MIME type installed")
endif()
file(STRINGS "${entry}" icon_lines REGEX "^Icon=")
list(LENGTH icon_lines icon_count)
if(NOT icon_count EQUAL 1)
  message(FATAL_ERROR "the desktop entry names no icon (or more than one)")
endif()
string(REGEX REPLACE "^Icon=" "" icon "${icon_lines}")

foreach(size IN LISTS SIZES)
  set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${icon}.png")
  if(NOT EXISTS "${png}")
    message(FATAL_ERROR "no icon \"${icon}\" of ${size} pixels: ${png}")
  endif()
  # The PNG signature, then the header chunk's width and height (4 bytes each, big-endian).
  file(READ "${png}" signature LIMIT 8 HEX)
  file(READ "${png}" extent OFFSET 16 LIMIT 8 HEX)
  math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" expected "${expected}")
  string(LENGTH "${expected}" digits)
  math(EXPR pad "8 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  set(side "${zeros}${expected}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT extent STREQUAL "${side}${side}")
    message(FATAL_ERROR "${png} is no ${size} x ${size} PNG picture (${signature} ${extent})")
  endif()
endforeach()
message(STATUS "installed: ${entry} with icon \"${icon}\" at ${SIZES} pixels")
