#include "platform/sim/SimLog.h"
