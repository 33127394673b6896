#include "app/gamefiles.h"
