# Compile guards for every target of the project (not for Qt's own headers).
function(zw_project_options target)
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_KEYWORDS
    QT_USE_QSTRINGBUILDER
    QT_STRICT_ITERATORS)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Werror)
endfunction()

# A static library of src/, included by the path from src/ ("waris/engine/HeirKind.h").
function(zw_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  zw_project_options(${name})
  # Linking the whole library into a shared object that may not leave a symbol undefined turns a
  # call into a layer it does not link into a link error. Sanitized builds leave the runtime's
  # symbols undefined, so only the plain builds check.
  if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
    set(empty ${CMAKE_BINARY_DIR}/zw_empty.cpp)
    if(NOT EXISTS ${empty})
      file(WRITE ${empty} "")
    endif()
    add_library(${name}_links_one_way SHARED ${empty})
    target_link_libraries(${name}_links_one_way PRIVATE
      "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>" ${ARG_LINKS})
    target_link_options(${name}_links_one_way PRIVATE -Wl,--no-undefined)
    set_target_properties(${name}_links_one_way PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  endif()
endfunction()
