# The browser build's tests beyond the suites under Node: the page in three real engines, one
# table of cases each (tests/web/page_test.mjs). WebKitGTK draws into an X display of its own.
# The browsers keep their profiles, caches and crash reports in the suite's own home.
# Screenshots of each engine go to build/web/screenshots.
find_program(NODE_EXECUTABLE node REQUIRED)
set(page_test ${CMAKE_CURRENT_SOURCE_DIR}/web/page_test.mjs)
set(shots ${PROJECT_BINARY_DIR}/screenshots)
foreach(engine chromium firefox)
    add_test(NAME web_page_${engine}
             COMMAND ${NODE_EXECUTABLE} ${page_test} ${engine} ${ZELVANU_SITE_DIR} ${shots})
endforeach()
add_test(NAME web_page_webkit
         COMMAND ${ZELVANU_WITH_XVFB} -s 1280x1024x24
                 ${NODE_EXECUTABLE} ${page_test} webkit ${ZELVANU_SITE_DIR} ${shots})
set_tests_properties(web_page_chromium web_page_firefox web_page_webkit PROPERTIES TIMEOUT 600)
zelvanu_private_home(web_page_chromium web_page_firefox web_page_webkit)
# The version the page must say is the one project(VERSION) gives the build.
set_property(TEST web_page_chromium web_page_firefox web_page_webkit APPEND PROPERTY ENVIRONMENT
             ZELVANU_VERSION=${PROJECT_VERSION})
