# Unity build: each library and test executable compiles its units in batches, one translation
# unit per batch, which cuts the repeated parsing of Qt and standard headers. Units of a batch share
# one translation unit, so a helper in an anonymous namespace (or a file-level static) must not
# reuse a name another unit of the same directory gives its own helper: name such helpers after
# their unit (`memTableFilterValueKind`, not `ValueKind`) or move a helper several units need into
# one shared unit. A unit that cannot share a batch is excluded with the source property
# SKIP_UNITY_BUILD_INCLUSION and a comment saying why. Which units share a batch shifts as units
# are added: configure once with -DZUNTA_UNITY_BATCH_SIZE=0 (a whole directory in one unit) to
# meet every clash of a directory at once.
option(ZUNTA_UNITY_BUILD "Compile each library and test executable in unity batches" ON)
set(ZUNTA_UNITY_BATCH_SIZE 16 CACHE STRING "Units per unity batch")

function(zunta_unity target)
    if(ZUNTA_UNITY_BUILD)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON
            UNITY_BUILD_BATCH_SIZE ${ZUNTA_UNITY_BATCH_SIZE})
        # GCC takes every unit after the first of a batch for a header and warns about each test
        # fixture in an anonymous namespace; in a unity batch that is no fault.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
        endif()
    endif()
endfunction()

# One static library per source directory: every .cpp of the directory belongs to it, so adding a
# unit needs no edit here.
set(ZUNTA_PCH_HEADERS
    <QString> <QStringList> <QList> <QHash> <QMap> <QDateTime> <QObject> <QByteArray>
    <memory> <vector> <functional> <string>)
set(ZUNTA_WIDGET_PCH_HEADERS ${ZUNTA_PCH_HEADERS} <QWidget> <QLabel> <QLayout>)

function(zunta_library name)
    cmake_parse_arguments(ARG "WIDGETS" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    if(NOT sources)
        # A directory whose units have not been written yet.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    zunta_unity(${name})
    if(ARG_WIDGETS)
        target_precompile_headers(${name} PRIVATE ${ZUNTA_WIDGET_PCH_HEADERS})
    else()
        target_precompile_headers(${name} PRIVATE ${ZUNTA_PCH_HEADERS})
    endif()
endfunction()

# One test executable per source directory: tests/<dir>/*.test.cpp.
function(zunta_test_dir dir)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    if(NOT sources)
        return()
    endif()
    set(target tests_${dir})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE zunta_test_support)
    zunta_link_whole(${target} ${ARG_DEPS})
    zunta_unity(${target})
    target_precompile_headers(${target} PRIVATE ${ZUNTA_WIDGET_PCH_HEADERS} <gtest/gtest.h>
        ${PROJECT_SOURCE_DIR}/tests/support/QtPrinters.h)
    # One CTest entry per executable: a whole executable runs in seconds, while one process per
    # test case spent minutes starting Qt and the sanitizers. GoogleTest's own summary names each
    # failing case in the output that --output-on-failure shows.
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    set_tests_properties(${target} PROPERTIES
        ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 1200)
endfunction()

# Classes register themselves by name from static objects in their own units (windows opened only
# by their class name, for example); a plain static link would drop such units. Executables link
# the listed libraries whole.
function(zunta_link_whole target)
    foreach(lib ${ARGN})
        get_target_property(type ${lib} TYPE)
        target_link_libraries(${target} PRIVATE ${lib})
        if(type STREQUAL "STATIC_LIBRARY")
            # One group per library: CMake drops repeated link options, so separate
            # "--whole-archive" options would wrap only the first library.
            target_link_options(
                ${target} PRIVATE
                "SHELL:-Wl,--whole-archive $<TARGET_FILE:${lib}> -Wl,--no-whole-archive")
        endif()
    endforeach()
endfunction()

# The fake REST back end (the only translation unit that includes Boost.Beast), for the tests and
# for the benchmarks that reach the network; defined once, by whichever directory asks first.
function(zunta_fake_backend_library)
    if(TARGET zunta_fake_backend)
        return()
    endif()
    set(dir ${PROJECT_SOURCE_DIR}/tests/support)
    add_library(zunta_fake_backend STATIC ${dir}/FakeBackend.cpp ${dir}/FakeBackend.h
        ${dir}/FakeStore.cpp ${dir}/FakeStore.h)
    target_include_directories(zunta_fake_backend PUBLIC ${dir})
    target_link_libraries(zunta_fake_backend PUBLIC Qt6::Core Boost::headers ZLIB::ZLIB)
endfunction()

# The stand-in back end served from a seed file (tests/support/DemoBackend), for the fake-backend
# executable and the end-to-end tests.
function(zunta_demo_backend_library)
    if(TARGET zunta_demo_backend)
        return()
    endif()
    zunta_fake_backend_library()
    set(dir ${PROJECT_SOURCE_DIR}/tests/support)
    add_library(zunta_demo_backend STATIC ${dir}/DemoBackend.cpp ${dir}/DemoBackend.h)
    target_include_directories(zunta_demo_backend PUBLIC ${dir})
    target_link_libraries(zunta_demo_backend PUBLIC zunta_fake_backend zunta_core)
endfunction()
