# What the window tests, the monkey and the window benchmarks share, compiled
# once: the calculator as a person meets it (windowfixture.h) and the monkey
# (monkey/monkey.h), with the worked results of core/. Included by the tests
# and by the benchmarks, which are also built without the tests.
include_guard(GLOBAL)
find_package(Qt6 REQUIRED COMPONENTS Test)
add_library(windowfixture STATIC ${CMAKE_CURRENT_LIST_DIR}/windowfixture.cpp ${CMAKE_CURRENT_LIST_DIR}/monkey/monkey.cpp)
target_include_directories(windowfixture PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/monkey
                                                ${CMAKE_CURRENT_LIST_DIR}/../core)
target_link_libraries(windowfixture PUBLIC metalui Qt6::Test)
target_compile_options(windowfixture PRIVATE ${METALCALC_WARNINGS})
