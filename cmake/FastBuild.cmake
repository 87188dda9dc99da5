# What keeps the build fast (docs/building.md). Most of a build is gcc parsing the same Qt, Qt Test and
# GoogleTest headers again in every unit. Each kind of unit gets one precompiled header, built once by the
# first target of that kind and reused by the others (their flags match: the same warnings, standard and
# sanitizers; definitions that differ, such as QTR_SOURCE_DIR, appear in none of these headers). CMake
# adds -Winvalid-pch, which -Werror turns into a build error when a header silently stops being used.
option(QTR_PCH "Precompile the Qt, Qt Test and GoogleTest headers" ON)

set(QTR_PCH_STD_HEADERS
  <algorithm> <cstdint> <functional> <map> <memory> <optional> <string> <string_view> <utility> <vector>
  <QByteArray> <QList> <QObject> <QString> <QStringList> <QTimer> <QVariant>)
set(QTR_PCH_GUI_HEADERS ${QTR_PCH_STD_HEADERS}
  <QAbstractItemView> <QApplication> <QCheckBox> <QComboBox> <QDialog> <QFormLayout> <QFrame> <QGridLayout>
  <QGroupBox> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QPlainTextEdit> <QPushButton>
  <QStandardItemModel> <QStatusBar> <QTreeView> <QTreeWidget> <QVBoxLayout> <QWidget>)
set(QTR_PCH_QTEST_HEADERS ${QTR_PCH_GUI_HEADERS} <QTemporaryDir> <QTest>)
set(QTR_PCH_GTEST_HEADERS ${QTR_PCH_STD_HEADERS} <gmock/gmock.h> <gtest/gtest.h>)

# qtr_precompile(TARGET KIND): KIND is GUI (Qt Widgets), QTEST (Qt Test) or GTEST. The core's units are
# light: loading a header image of 100 MB and more would cost them more than it saves.
function(qtr_precompile target kind)
  if(NOT QTR_PCH)
    return()
  endif()
  get_property(owner GLOBAL PROPERTY QTR_PCH_OWNER_${kind})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    target_precompile_headers(${target} PRIVATE ${QTR_PCH_${kind}_HEADERS})
    set_property(GLOBAL PROPERTY QTR_PCH_OWNER_${kind} ${target})
  endif()
  # A test's moc output is included by its own source: the generated collection is empty and would only
  # pay for loading the header. A library's collection holds its mocs and keeps the header.
  if(kind STREQUAL "GUI")
    return()
  endif()
  get_target_property(autogen_dir ${target} AUTOGEN_BUILD_DIR)
  if(NOT autogen_dir)
    get_target_property(binary_dir ${target} BINARY_DIR)
    set(autogen_dir ${binary_dir}/${target}_autogen)
  endif()
  set_source_files_properties(${autogen_dir}/mocs_compilation.cpp TARGET_DIRECTORY ${target}
    PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

# qtr_unity(TARGET): the library's units are compiled in batches, so that the Qt headers are parsed once
# per batch rather than once per unit.
option(QTR_UNITY "Compile the libraries in batches of units" ON)
function(qtr_unity target)
  if(QTR_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()

# ccache, when installed, in its own folder outside the clone (~/.cache/ccache), so that every clone and CI
# on the same machine share it. Paths are taken relative to the clone, and the sloppiness that precompiled
# headers need is set: a hit then serves any clone of the same sources. Depend mode finds the headers in
# the compiler's dependency file: a miss (a cold cache) costs one compiler run, not a preprocessor run too.
find_program(QTR_CCACHE ccache)
option(QTR_USE_CCACHE "Compile through ccache when it is installed" ON)
if(QTR_CCACHE AND QTR_USE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(QTR_CCACHE_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=1 CCACHE_DEPEND=1
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${QTR_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${QTR_CCACHE_LAUNCHER})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${QTR_CCACHE_LAUNCHER})
endif()

# lld links the test executables (each holds most of the program and its debug information) several
# times faster than the default linker.
find_program(QTR_LLD ld.lld)
option(QTR_USE_LLD "Link with lld when it is installed" ON)
if(QTR_LLD AND QTR_USE_LLD)
  add_link_options(-fuse-ld=lld)
endif()
