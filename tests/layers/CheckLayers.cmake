# The layer check: reads the #include lines of every source and header and knows the layer
# order (docs/architecture.md). It fails
#  - on an include of a higher layer than the including file's own, beyond MAX_UPWARD of them;
#  - on a file that is in no layer;
#  - when a source of veltrano_core, or a header it reaches, includes anything but the C++
#    standard library and our own headers of the core.
# cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DCORE_SOURCES=file -DMAX_UPWARD=n -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

# Bottom-up. A layer is "name=prefix,prefix"; a file belongs to the layer of its longest
# matching path prefix, so a folder's implementation files can sit above its interfaces.
set(layers
  "base=base/"
  "controls=platform/controls/"
  "forms=platform/forms/"
  "automation=platform/actole/"
  "win32=platform/win32/"
  "history=history/"
  "winsvc=winsvc/"
  "app=app/"
  "act=act/"
  "scan=scan/"
  "detail=detail/"
  "edit=edit/"
  "about=about/"
  "wiring=wiring/"
  # Platform implementations: above the whole core, which never sees them.
  "posix=platform/posix/"
  "win32-windows=platform/win32/windows/"
  "automation-com=platform/actole/com/"
  "settings-store=platform/forms/AtomicFile,platform/forms/IniDocument,platform/forms/IniSettingsStore,platform/forms/windows/"
  "win32-linux=platform/win32/linux/"
  "standin-engine=platform/actole/standin/"
  "standin-application=platform/actole/standin/application/"
  "standin-com=platform/actole/standin/com/"
  # Programs, tests, benchmarks.
  "tools=tools/"
  "cli=cli/"
  "qt=platform/qt/"
  "win32ui=platform/win32ui/"
  "test-support=tests/support/"
  "tests=tests/"
  "bench=bench/")
set(core_top_layer "wiring")

set(std_headers
  algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv
  chrono cinttypes climits clocale cmath codecvt compare complex concepts condition_variable
  coroutine csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar
  cwctype deque exception execution filesystem format forward_list fstream functional future
  initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale map
  memory memory_resource mutex new numbers numeric optional ostream queue random ranges ratio
  regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
  stdexcept stop_token streambuf string string_view syncstream system_error thread tuple
  type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
  version)

foreach(var SOURCE_DIR CORE_SOURCES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckLayers.cmake needs -D${var}=...")
  endif()
endforeach()
if(NOT DEFINED MAX_UPWARD)
  set(MAX_UPWARD 0)
endif()

# Rank and name of every prefix.
set(prefixes "")
set(rank 0)
set(layer_names "")
foreach(layer IN LISTS layers)
  string(REPLACE "=" ";" parts "${layer}")
  list(GET parts 0 name)
  list(GET parts 1 prefix_text)
  list(APPEND layer_names "${name}")
  string(REPLACE "," ";" layer_prefixes "${prefix_text}")
  foreach(prefix IN LISTS layer_prefixes)
    list(APPEND prefixes "${prefix}")
    set(rank_of_${prefix} ${rank})
  endforeach()
  if(name STREQUAL core_top_layer)
    set(core_top_rank ${rank})
  endif()
  math(EXPR rank "${rank} + 1")
endforeach()

# Sets out_rank to the rank of the repository-relative path, -1 when it is in no layer.
function(rank_of path out_rank)
  set(best -1)
  set(best_length 0)
  foreach(prefix IN LISTS prefixes)
    string(LENGTH "${prefix}" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL prefix AND length GREATER best_length)
      set(best ${rank_of_${prefix}})
      set(best_length ${length})
    endif()
  endforeach()
  set(${out_rank} ${best} PARENT_SCOPE)
endfunction()

# Sets out_path to the repository-relative file that `#include "name"` in `from` reads: from the
# source root (every target's include folder), beside the including file, or below tests/
# (the tests' include folder); "" when none exists (a generated file).
function(resolve from name out_path)
  get_filename_component(from_dir "${from}" DIRECTORY)
  foreach(candidate "${name}" "${from_dir}/${name}" "tests/${name}")
    if(EXISTS "${SOURCE_DIR}/${candidate}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/${candidate}")
      file(REAL_PATH "${SOURCE_DIR}/${candidate}" absolute)
      file(RELATIVE_PATH relative "${SOURCE_DIR}" "${absolute}")
      set(${out_path} "${relative}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out_path} "" PARENT_SCOPE)
endfunction()

# Sets <out>_quoted and <out>_angled to the names a file includes, as "line:name" entries.
function(read_includes path out)
  file(STRINGS "${SOURCE_DIR}/${path}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  set(quoted "")
  set(angled "")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      list(APPEND quoted "${CMAKE_MATCH_1}")
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      list(APPEND angled "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out}_quoted "${quoted}" PARENT_SCOPE)
  set(${out}_angled "${angled}" PARENT_SCOPE)
endfunction()

# Every source and header of ours: the folders at the top of the source tree, less build trees.
file(GLOB top_entries LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
set(files "")
foreach(entry IN LISTS top_entries)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/${entry}" OR entry MATCHES "^(\\.|build)"
     OR (DEFINED BINARY_DIR AND "${SOURCE_DIR}/${entry}" STREQUAL BINARY_DIR))
    continue()
  endif()
  file(GLOB_RECURSE found RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/${entry}/*.h" "${SOURCE_DIR}/${entry}/*.cpp")
  list(APPEND files ${found})
endforeach()
list(SORT files)

set(failures "")
set(upward "")
foreach(file IN LISTS files)
  rank_of("${file}" file_rank)
  if(file_rank EQUAL -1)
    list(APPEND failures "${file} is in no layer (add its folder to the layers above)")
    continue()
  endif()
  read_includes("${file}" inc)
  foreach(name IN LISTS inc_quoted)
    resolve("${file}" "${name}" target)
    if(target STREQUAL "")
      continue()
    endif()
    rank_of("${target}" target_rank)
    if(target_rank GREATER file_rank)
      list(GET layer_names ${file_rank} file_layer)
      list(GET layer_names ${target_rank} target_layer)
      list(APPEND upward "${file} (${file_layer}) includes ${target} (${target_layer})")
    endif()
  endforeach()
endforeach()

# The core: its sources and every header they reach.
file(STRINGS "${CORE_SOURCES}" core_list)
set(queue "")
foreach(source IN LISTS core_list)
  if(source STREQUAL "")
    continue()
  endif()
  if(IS_ABSOLUTE "${source}")
    file(RELATIVE_PATH source "${SOURCE_DIR}" "${source}")
  endif()
  list(APPEND queue "${source}")
endforeach()
set(seen "")
set(core_files 0)
while(queue)
  list(POP_FRONT queue file)
  if(file IN_LIST seen)
    continue()
  endif()
  list(APPEND seen "${file}")
  math(EXPR core_files "${core_files} + 1")
  rank_of("${file}" file_rank)
  if(file_rank EQUAL -1 OR file_rank GREATER core_top_rank)
    list(APPEND failures "core: ${file} is not a file of the core's layers")
  endif()
  read_includes("${file}" inc)
  foreach(name IN LISTS inc_angled)
    if(NOT name IN_LIST std_headers)
      list(APPEND failures "core: ${file} includes <${name}>, which is not the C++ standard library")
    endif()
  endforeach()
  foreach(name IN LISTS inc_quoted)
    if(EXISTS "${SOURCE_DIR}/${name}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/${name}")
      list(APPEND queue "${name}")
    else()
      list(APPEND failures "core: ${file} includes \"${name}\", which is none of our headers")
    endif()
  endforeach()
endwhile()

list(LENGTH files file_count)
list(LENGTH upward upward_count)
foreach(line IN LISTS upward)
  message("upward include: ${line}")
endforeach()
message("${file_count} files read, ${core_files} of them in veltrano_core; "
        "${upward_count} upward include(s), at most ${MAX_UPWARD} allowed")
if(upward_count GREATER MAX_UPWARD)
  list(APPEND failures "${upward_count} upward includes, at most ${MAX_UPWARD} allowed")
endif()
if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
