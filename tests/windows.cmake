# The Windows build's tests. Each runs under Wine in the project's private session (a prefix,
# the Japanese locale and an X server under build/wine), which the first test starts and the
# last one ends; every test that runs a Windows program requires it (zelvanu_wine_test).
add_test(NAME wine_session_start COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-session start)
add_test(NAME wine_session_stop COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-session stop)
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)

# The window in-process, with recorded message boxes. Windows that take the focus share one
# screen: one such test at a time.
add_executable(win_form1_tests win/form1_test.cpp win/test_main.cpp)
target_link_libraries(win_form1_tests PRIVATE zelvanu_win GTest::gtest ole32 oleaut32 oleacc)
target_include_directories(win_form1_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                                   ${ZELVANU_GENERATED_DIR})
add_test(NAME win_form1_tests COMMAND win_form1_tests)

# The real zelvanu.exe, started, typed into, read and closed from another process.
add_executable(win_end_to_end win/end_to_end.cpp)
target_link_libraries(win_end_to_end PRIVATE zelvanu_win)
target_include_directories(win_end_to_end PRIVATE ${ZELVANU_GENERATED_DIR})
target_link_options(win_end_to_end PRIVATE -municode)
add_test(NAME win_end_to_end COMMAND win_end_to_end $<TARGET_FILE:zelvanu>)

set_tests_properties(win_form1_tests win_end_to_end PROPERTIES RESOURCE_LOCK wine_screen TIMEOUT 120)
zelvanu_wine_test(win_form1_tests win_end_to_end)

# The version record, manifest and icon compiled into the program.
add_test(NAME windows_version_resource
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/packaging/check_windows_resource.sh
                 ${CMAKE_RC_COMPILER} $<TARGET_FILE:zelvanu> ${PROJECT_VERSION}
                 ${ZELVANU_VERSION_SHORT})

# Reads another program's message box; the package check reads the installer's refusal with it.
add_executable(message_box_text win/message_box_text.cpp)
target_link_options(message_box_text PRIVATE -municode)
