// Must not compile: the records layer uses QtCore only.
#include <QColor>
