# The Windows build (MinGW-w64 GCC with a static Qt): one executable with its
# icon and version information that needs only the DLLs every Windows has.
enable_language(RC)

# FILEVERSION wants four numbers.
set(rc_patch 0)
set(rc_tweak 0)
if(PROJECT_VERSION_PATCH)
  set(rc_patch ${PROJECT_VERSION_PATCH})
endif()
if(PROJECT_VERSION_TWEAK)
  set(rc_tweak ${PROJECT_VERSION_TWEAK})
endif()
set(METALCALC_ICON ${CMAKE_CURRENT_SOURCE_DIR}/assets/icons/metalcalc.ico)
configure_file(assets/windows/metalcalc.rc.in ${CMAKE_CURRENT_BINARY_DIR}/metalcalc.rc @ONLY)
target_sources(metalcalc PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/metalcalc.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/metalcalc.rc PROPERTIES OBJECT_DEPENDS ${METALCALC_ICON})
# A window program: no console opens with it.
set_target_properties(metalcalc PROPERTIES WIN32_EXECUTABLE ON)

# Every program of the build, tests too, links the C and C++ runtimes and the
# thread library in: they run where no MinGW DLL is.
set(windows_programs metalcalc)
if(METALCALC_TESTS)
  get_property(test_programs DIRECTORY tests PROPERTY BUILDSYSTEM_TARGETS)
  list(APPEND windows_programs ${test_programs})
endif()
foreach(program IN LISTS windows_programs)
  get_target_property(type ${program} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${program} PRIVATE -static)
  endif()
endforeach()

# The window tests, directly or through their fixture, draw on the offscreen
# platform, which a static Qt links in only when asked.
if(METALCALC_TESTS)
  foreach(program IN LISTS test_programs)
    get_target_property(libraries ${program} LINK_LIBRARIES)
    if("metalui" IN_LIST libraries OR "windowfixture" IN_LIST libraries)
      qt_import_plugins(${program} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
  endforeach()
endif()
