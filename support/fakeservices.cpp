#include "support/fakeservices.h"
