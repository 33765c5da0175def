# SPDX-License-Identifier: GPL-2.0-or-later
# With PRZELEW_PCH the libraries share one precompiled header of the Qt and standard headers nearly every
# file includes: the start command's build of the program takes about half the compiler time. The test
# build keeps it off, so that a file that forgets an include of its own still fails to compile there.
set(przelew_pch_headers <QString> <QByteArray> <QPainter> <QWidget> <vector> <string> <memory> <optional>
    <functional> <algorithm> <cmath>)
add_library(przelew_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/precompiled.cpp)
target_link_libraries(przelew_pch PRIVATE Qt6::Widgets Qt6::PrintSupport)
target_precompile_headers(przelew_pch PRIVATE ${przelew_pch_headers})
foreach(library przelew_platform przelew_emf przelew_data przelew_transfer przelew_report przelew_preview
        przelew_printout przelew_app przelew_render_job)
  target_precompile_headers(${library} REUSE_FROM przelew_pch)
endforeach()
