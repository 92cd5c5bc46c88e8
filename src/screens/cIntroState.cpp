#include "screens/cIntroState.h"

bool cIntroState::Init() { return true; }
