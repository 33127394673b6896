#include "dialogs/optionsdialog.h"
