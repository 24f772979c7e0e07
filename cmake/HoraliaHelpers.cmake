# hrl_add_test(NAME source... [LIBS lib...] [ENV var=value...] [LABELS label...])
# One QtTest executable per test, run headless with a fixed locale and zone
# and with an empty HOME (so an empty preferences store) of its own below the build tree.
function(hrl_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS;ENV;LABELS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE Qt6::Test hrl_testsupport ${ARG_LIBS})
    hrl_register_test(${name} ${name} ENV ${ARG_ENV} LABELS ${ARG_LABELS})
endfunction()

# hrl_register_test(NAME EXECUTABLE [ENV var=value...] [LABELS label...])
# Runs an existing test executable once more under another name and environment.
function(hrl_register_test name executable)
    cmake_parse_arguments(ARG "" "" "ENV;LABELS" ${ARGN})
    set(home "${CMAKE_CURRENT_BINARY_DIR}/${name}.home")
    add_test(NAME ${name} COMMAND sh "${PROJECT_SOURCE_DIR}/tests/support/fresh-home.sh" "${home}" $<TARGET_FILE:${executable}>)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8;LANGUAGE=;TZ=America/New_York;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_RUNTIME_DIR=${home}/run;${ARG_ENV}"
        LABELS "unit;${ARG_LABELS}"
        TIMEOUT 120)
endfunction()
