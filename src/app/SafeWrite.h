#pragma once

// The write helper lives with the components that use it; this name stays for existing includes.
#include "components/files/SafeWrite.h"
