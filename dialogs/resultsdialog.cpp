#include "dialogs/resultsdialog.h"
