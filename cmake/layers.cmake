# One static library per layer. Its headers are linked into a folder of its own
# under the build tree, and that folder is the only include path the library
# passes on to the layers above it: an include against the direction of the
# layers finds no file and does not compile.
function(kelo_layer target)
  cmake_parse_arguments(L "" "FOLDER" "DEPENDS" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  # The core of the platform leaves its backends out: they are layers of their own.
  if(L_FOLDER STREQUAL "platform")
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.h)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.cpp)
  else()
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.h)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.cpp)
  endif()
  foreach(header ${headers})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${header})
    get_filename_component(folder ${root}/${relative} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${header} ${root}/${relative} SYMBOLIC)
  endforeach()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${L_DEPENDS})
endfunction()
