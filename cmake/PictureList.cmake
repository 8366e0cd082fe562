# metalcalc_picture_list(<list> <names> <first> <header>): reads the list of
# the program's pictures into <names> (every file name, in order) and <first>
# (those of the first frame), and writes <header>, which gives C++ the same
# list: pictures::Listed("name.png") is the name, and a name not on the list
# does not compile.
function(metalcalc_picture_list list names first header)
  file(STRINGS "${list}" lines REGEX "^[^#]")
  set(all "")
  set(firsts "")
  set(entries "")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^([^ ]+)( first)?$" matched "${line}")
    if(NOT matched)
      message(FATAL_ERROR "${list}: cannot read the line '${line}'")
    endif()
    list(APPEND all "${CMAKE_MATCH_1}")
    if(CMAKE_MATCH_2)
      list(APPEND firsts "${CMAKE_MATCH_1}")
    endif()
    string(APPEND entries "    \"${CMAKE_MATCH_1}\",\n")
  endforeach()
  set(${names} "${all}" PARENT_SCOPE)
  set(${first} "${firsts}" PARENT_SCOPE)
  set(PICTURE_LIST_ENTRIES "${entries}")
  configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/picturelist.h.in" "${header}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${list}")
endfunction()
