# Cross-building: the picture packer runs during the build, so it is built
# for the build machine, in a project of its own, and stands in for the
# target of the same name.
include(ExternalProject)
set(host_tools_dir ${CMAKE_CURRENT_BINARY_DIR}/host-tools)
ExternalProject_Add(host-tools
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/host-tools
  BINARY_DIR ${host_tools_dir}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${host_tools_dir}/picturepack
  INSTALL_COMMAND "")
add_executable(picturepack IMPORTED)
set_target_properties(picturepack PROPERTIES IMPORTED_LOCATION ${host_tools_dir}/picturepack)
add_dependencies(picturepack host-tools)
