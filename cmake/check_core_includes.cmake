# Fails when a file of the core includes a header of QtWidgets or QtGui, by any spelling:
# <QWidget>, <QtWidgets/QWidget>, <QtWidgets>, "QtGui/qcolor.h". The core links QtCore
# only, but the Qt include folder holds every module, so <QtWidgets/...> would compile.
#   cmake -DFILES="a.cpp;b.h" [-DSTAMP=file] -P check_core_includes.cmake
set(widget_classes QWidget QApplication QMainWindow QDialog QLabel QLineEdit QComboBox QListView
    QListWidget QTreeWidget QPushButton QCheckBox QRadioButton QMessageBox QFileDialog QAction
    QUndoStack QUndoCommand QGuiApplication QColor QFont QIcon QPixmap QImage QPainter)
list(JOIN widget_classes "|" classes)
set(bad "")
foreach(file IN LISTS FILES)
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "[<\"/](QtWidgets|QtGui)([/>\"]|$)" OR line MATCHES "[<\"/](${classes})[>\"]"
           OR line MATCHES "[<\"/]q(widget|application|mainwindow|dialog|guiapplication)\\.h[>\"]")
            string(STRIP "${line}" line)
            list(APPEND bad "${file}: ${line}")
        endif()
    endforeach()
endforeach()
if(bad)
    list(JOIN bad "\n  " listed)
    message(FATAL_ERROR "The core must not include QtWidgets or QtGui headers:\n  ${listed}")
endif()
if(STAMP)
    file(TOUCH "${STAMP}")
endif()
