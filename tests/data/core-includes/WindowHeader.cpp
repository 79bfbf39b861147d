#include "ui/start/StartScreen.h"
