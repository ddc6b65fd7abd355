// Must not compile: the records layer's include folders do not hold the app layer.
#include "app/frame/MainState.h"
