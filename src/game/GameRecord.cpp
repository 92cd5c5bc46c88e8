#include "game/GameRecord.h"

GameRecordData GameRecord;
