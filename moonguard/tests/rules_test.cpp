#include "headless.h"
