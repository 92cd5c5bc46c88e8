#include "game/GameMessages.h"

const char* const GameMessages[GameMessageCount] = {
    ",\nplease throw your dice!",
    ",\nplease select your piece!",
    ",\nyou have no moves available!",
    ",\nthat is an invalid move!",
    ",\nit's your turn!",
    ", you have won the game!",
    ",\none of your pieces has finished!",
    ", you threw a six,\nyou can start one of your pieces!",
    ", you threw a six,\nyou'll get a bonus turn!",
    ", that piece's finished,\nchoose an another one!",
    ", you threw three sixes\nin a row, your bonus turn is discarded!",
};
