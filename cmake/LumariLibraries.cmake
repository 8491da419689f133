# Every window and service folder is one static library (or two, where a
# folder holds a window beside widget-free work), built from the files listed
# after SOURCES, named relative to the folder: a new file is added to its
# folder's CMakeLists.txt. A library exposes only its own folder's headers, as
# "<folder>/<file>.h" (the folder relative to src/): its include folder holds,
# for each listed header, a one-line header that includes the real one,
# written at configure time. So a folder reaches another's headers only
# through the libraries it links, and the layers hold.
#   lumari_folder_library(<library> SOURCES <files>... [PUBLIC <libraries>...] [PRIVATE <libraries>...])
function(lumari_folder_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PUBLIC;PRIVATE")
  if(NOT arg_SOURCES OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "lumari_folder_library(${name}): list the folder's files after SOURCES, "
                        "then its libraries after PUBLIC or PRIVATE")
  endif()
  set(root ${CMAKE_CURRENT_SOURCE_DIR})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/src ${root})
  list(TRANSFORM arg_SOURCES PREPEND ${root}/ OUTPUT_VARIABLE sources)
  add_library(${name} STATIC ${sources})
  set(exposed ${CMAKE_CURRENT_BINARY_DIR}/include/${name})
  foreach(file IN LISTS arg_SOURCES)
    if(file MATCHES "\\.h$")
      # Rewritten only when its text changes, so a new configure rebuilds nothing.
      file(CONFIGURE OUTPUT ${exposed}/${folder}/${file} CONTENT "#include \"${root}/${file}\"\n")
    endif()
  endforeach()
  target_include_directories(${name} PUBLIC ${exposed})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  target_link_libraries(${name} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
endfunction()

# Every library a target links, directly or through the libraries it links
# (their private links too: a static library's code goes wherever it goes).
function(_lumari_linked target out)
  set(seen "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    if(NOT TARGET ${current} OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(imported ${current} IMPORTED)
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND pending ${aliased})
    endif()
    set(links "")
    if(NOT imported)
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(NOT link MATCHES "^\\$<")
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configure when a library said to be widget-free reaches Qt
# Widgets, or a library that does, through what it links.
#   lumari_check_widget_free(<library>...)
function(lumari_check_widget_free)
  foreach(library IN LISTS ARGN)
    if(NOT TARGET ${library})
      message(FATAL_ERROR "lumari_check_widget_free: no library ${library}")
    endif()
    _lumari_linked(${library} linked)
    foreach(widgets Qt6::Widgets Qt::Widgets)
      if(TARGET ${widgets})
        get_target_property(real ${widgets} ALIASED_TARGET)
        if(${widgets} IN_LIST linked OR (real AND real IN_LIST linked))
          message(FATAL_ERROR "${library} is widget-free, yet it links Qt Widgets: "
                              "move the window code out of it, or take ${library} off the widget-free list")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
