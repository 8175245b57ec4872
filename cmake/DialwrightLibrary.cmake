# dw_library(NAME <folder> DEPS <targets...>)
# Builds every .cpp/.h below src/<folder> into the static library dw_<folder>; Qt Designer
# forms (.ui) beside a class are compiled by AUTOUIC when the class includes "ui_<name>.h".
# Sources are globbed so that adding a file never needs a CMake edit.
function(dw_library)
    cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    set(target dw_${ARG_NAME})
    set(cpp_sources ${sources})
    list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
    if(cpp_sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${target} PUBLIC ${ARG_DEPS})
        set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON)
    else()
        # A folder whose code has not been written yet still offers its include path and deps.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    endif()
endfunction()
