#include <QString>
#  include <QPushButton>
