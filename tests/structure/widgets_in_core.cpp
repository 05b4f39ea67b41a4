// Must be refused by cmake/check_core_includes.cmake: QtWidgets and QtGui headers in
// every spelling the include folder resolves.
#include <QtWidgets/QLabel>
# include "QtGui/qcolor.h"
#include <QWidget>
#include <QtWidgets>
#include <QByteArray>
