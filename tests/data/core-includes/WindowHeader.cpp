#include "ui/start/Startfrm.h"
