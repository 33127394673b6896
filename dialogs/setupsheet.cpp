#include "dialogs/setupsheet.h"
