# Installs the build into a scratch prefix and checks what the desktop needs
# to list the program: the executable, its desktop entry and its icon.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P install-check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" RESULT_VARIABLE status
                OUTPUT_QUIET)
if(status)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(entry "${PREFIX}/share/applications/metalcalc.desktop")
set(icon "${PREFIX}/share/icons/hicolor/128x128/apps/metalcalc.png")
foreach(file "${PREFIX}/bin/metalcalc" "${entry}" "${icon}")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS "${entry}" lines ENCODING UTF-8)
foreach(expected "[Desktop Entry]" "Type=Application" "Name=Калькулятор металлопроката" "Exec=metalcalc"
                 "Icon=metalcalc")
  list(FIND lines "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks the line '${expected}'")
  endif()
endforeach()

# A PNG's size is in its header: width and height as 32-bit numbers at 16.
file(READ "${icon}" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 16 size)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "0000008000000080")
  message(FATAL_ERROR "the icon is not a 128 x 128 PNG (header ${header})")
endif()
