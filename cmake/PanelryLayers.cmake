# The folders of src/ are layers. Each becomes a static library,
# panelry_<folder>, that may use the layers it names with USES and,
# through them, the layers beneath those; never a layer above it.
#
# The build enforces this for includes, not only for linking. Every
# header is included by its folder ("storage/FMDatabase.h"), and a layer's
# sources (and the tests of its folder) are compiled with exactly one
# include root for our code: <build>/layers/<layer>/, a directory holding a
# symbolic link to its own folder and to each folder it may see, and
# nothing else (src/ itself is never an include directory). An include that
# goes the wrong way names a folder that is not in that root, so it fails
# with "No such file or directory". AUTOMOC's files include a header by
# its real path while our sources reach it through the link; `#pragma once`
# still holds, as GCC compares the files themselves, not their names.
#
# The check, made when this was written and worth repeating after a change
# here: add `#include "ui/NotificationManager.h"` to
# src/storage/UserDatabase.cpp and build; the build stops with
# "fatal error: ui/NotificationManager.h: No such file or directory".
# (An include by relative path, "../ui/X.h", would escape the check: we
# never write one.)
#
# Sources are globbed, so a new .cpp or .h needs no edit, even the first
# file of a folder declared below before it existed: until then such a
# layer is skipped, and so are the mentions of it in USES.

set(PANELRY_LAYER_ROOTS "${PROJECT_BINARY_DIR}/layers")
# Made afresh at every configure, so a layer that went leaves no root
# behind. This removes the links, never what they point to.
file(REMOVE_RECURSE "${PANELRY_LAYER_ROOTS}")

# panelry_layer(<folder> [USES <layer>...] [QT <module>...]
#               [PRIVATE_LIBS <target>...] [EXCLUDE <file>...])
# QT modules are linked publicly (our headers include theirs); PRIVATE_LIBS
# are what only the layer's .cpp files use. EXCLUDE names files of the
# folder that are not part of the library (main.cpp of the application).
function(panelry_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "USES;QT;PRIVATE_LIBS;EXCLUDE")
  get_property(declared GLOBAL PROPERTY PANELRY_LAYERS)
  foreach(use IN LISTS arg_USES)
    if(NOT use IN_LIST declared)
      message(FATAL_ERROR "Layer ${folder} uses ${use}, which is not declared beneath it")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY PANELRY_LAYERS ${folder})

  set(dir "${PROJECT_SOURCE_DIR}/src/${folder}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  if(NOT sources)
    return() # a folder still to come; its first file makes CMake run again
  endif()

  # What this layer sees: itself and everything its layers see.
  set(visible ${folder})
  set(links)
  foreach(use IN LISTS arg_USES)
    get_property(seen GLOBAL PROPERTY PANELRY_LAYER_${use}_VISIBLE)
    if(seen) # empty for a folder still to come
      list(APPEND visible ${seen})
      list(APPEND links panelry_${use})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set_property(GLOBAL PROPERTY PANELRY_LAYER_${folder}_VISIBLE ${visible})

  set(root "${PANELRY_LAYER_ROOTS}/${folder}")
  file(MAKE_DIRECTORY "${root}")
  foreach(seen IN LISTS visible)
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${seen}" "${root}/${seen}" SYMBOLIC)
  endforeach()

  foreach(excluded IN LISTS arg_EXCLUDE)
    list(REMOVE_ITEM sources "${dir}/${excluded}")
  endforeach()

  set(target panelry_${folder})
  add_library(${target} STATIC ${sources})
  set_target_properties(${target} PROPERTIES PANELRY_INCLUDE_ROOT "${root}")
  target_include_directories(${target} PRIVATE "${root}")
  list(TRANSFORM arg_QT PREPEND Qt6::)
  target_link_libraries(${target} PUBLIC ${links} ${arg_QT} PRIVATE ${arg_PRIVATE_LIBS})
endfunction()

# Compiles `target` against the include root of `layer` and links that
# layer's library: for the application, the tests and the benchmarks.
function(panelry_use_layer target layer)
  if(NOT TARGET panelry_${layer})
    message(FATAL_ERROR "${target} uses layer ${layer}, which has no library")
  endif()
  get_target_property(root panelry_${layer} PANELRY_INCLUDE_ROOT)
  target_include_directories(${target} PRIVATE "${root}")
  target_link_libraries(${target} PRIVATE panelry_${layer})
endfunction()
