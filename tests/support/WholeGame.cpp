#include "support/WholeGame.h"

#include <algorithm>
#include <utility>

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/WindowSize.h"
#include "game/ComputerPlayer.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/PathNode.h"
#include "support/FakeClock.h"
#include "support/GameTable.h"
#include "support/Recorded.h"

namespace {
uint32_t Draw(std::size_t n) { return RandomInt(static_cast<uint32_t>(n)); }

// Seats in colour order as the setup screen lists them.
std::vector<PlayerInfo> ChooseSeats(const WholeGameOptions& options) {
    std::vector<int> colours = {0, 1, 2, 3};
    while (static_cast<int>(colours.size()) > options.seats) {
        colours.erase(options.computersOnly ? colours.end() - 1
                                            : colours.begin() + Draw(colours.size()));
    }
    std::vector<PlayerInfo> seats;
    for (int colour : colours) {
        const Sint32 control = options.computersOnly ? 0 : static_cast<Sint32>(Draw(2));
        seats.push_back({"Seat" + std::to_string(colour), colour, control});
    }
    return seats;
}

// Every value as its eight bytes, a text character by character.
struct Trace {
    Fnv1a<uint64_t> hash;
    void Add(long long value) { hash.Bytes(static_cast<uint64_t>(value), 8); }
    void Add(const std::string& text) {
        for (char c : text) Add(static_cast<long long>(c));
    }
    // The table as the game screen draws it, on a surface of known pixel layout.
    void AddFrame(GameTable& table, SurfacePtr& kept) {
        SurfacePtr frame = CreateSurface(kWindowWidth, kWindowHeight, 0, PixelLayout::Rgb32);
        SDL_FillRect(frame.get(), nullptr, 0x123456);
        table.Board().Draw(frame.get());
        table.Control().Draw(frame.get());
        table.Console().Draw(frame.get());
        AddColours(hash, frame.get());
        kept = std::move(frame);
    }
};

// Plays the human seats: after a person's moment presses the throw button when asked and a
// piece that may move when asked to choose; now and then a wrong piece, an empty spot or a
// button out of turn first. Returns what went wrong, or "".
class Script {
  public:
    explicit Script(GameTable& gameTable) : table(gameTable) {}

    std::string Act() {
        LudoPlayer* player = table.Current();
        if (dynamic_cast<ComputerPlayer*>(player)) return "";
        const TurnState state = player->GetTurnState();
        if (player != seenPlayer || state != seenState) {
            seenPlayer = player;
            seenState = state;
            actAt = Clock::Ticks() + 20 * RandomInt(15);
        }
        if (RandomInt(40) == 0 && !PressStray(player)) return "a stray press changed the game";
        if (static_cast<Sint32>(Clock::Ticks() - actAt) < 0) return "";
        if (state == WaitThrow) {
            table.Control().ThrowDice();
            return table.State() == Rolling ? "" : "the throw button did not throw";
        }
        return state == WaitSelect ? Choose(player) : "";
    }

  private:
    std::string Choose(const LudoPlayer* player) {
        const int value = table.Control().GetDice().GetValue();
        std::vector<int> legal, wrong;
        for (int k = 0; k < 4; ++k) {
            const bool ok =
                player->IsInYard(k) ? value == 6 && player->CanStart() : player->CanMove(value, k);
            (ok ? legal : wrong).push_back(k);
        }
        if (legal.empty()) return "asked to choose without a legal piece";
        if (RandomInt(4) == 0 && !PressWrong(player, wrong)) return "a wrong press was taken";
        Press(player, legal[Draw(legal.size())]);
        const TurnState after = player->GetTurnState();
        return after == Moving || after == TurnStart ? "" : "a legal press was refused";
    }

    // A piece that may not move, or an empty spot: nothing may change.
    bool PressWrong(const LudoPlayer* player, const std::vector<int>& wrong) {
        const PathNode* before = player->GetPiece(wrong.empty() ? 0 : wrong[0])->GetNode();
        if (wrong.empty()) {
            table.Control().HandleClick(2, 2);
        } else {
            Press(player, wrong[0]);
        }
        return player->GetTurnState() == WaitSelect &&
               (wrong.empty() || before == player->GetPiece(wrong[0])->GetNode());
    }

    // The throw button or a piece pressed in a step that does not want it.
    bool PressStray(const LudoPlayer* player) {
        const TurnState state = player->GetTurnState();
        const int value = table.Control().GetDice().GetValue();
        if (state != WaitThrow) {
            table.Control().ThrowDice();
        } else {
            Press(player, static_cast<int>(RandomInt(4)));
        }
        return player->GetTurnState() == state && table.Control().GetDice().GetValue() == value;
    }

    // Anywhere on the piece's 31-pixel square.
    void Press(const LudoPlayer* player, int k) {
        const SDL_Rect at = GameTable::SquareOf(player, k);
        table.Control().HandleClick(at.x + static_cast<int>(RandomInt(at.w)),
                                    at.y + static_cast<int>(RandomInt(at.h)));
    }

    GameTable& table;
    const LudoPlayer* seenPlayer = nullptr;
    TurnState seenState = TurnStart;
    Uint32 actAt = 0;
};

// What must hold after every update: every piece stands in its own yard spot or on a square
// of its own route, the squares' occupants agree with the pieces, two resting pieces of a
// colour never share a square, the pieces-left counts match the pieces home, and only the
// current player is in the middle of a turn.
class Rules {
  public:
    explicit Rules(GameTable& gameTable) : table(gameTable) {
        PathNode* first = table.Board().GetPath().GetFirst();
        PathNode* node = first;
        do {
            squares.push_back(node);
            for (PathNode* home = node->branch; home; home = home->next) squares.push_back(home);
            node = node->next;
        } while (node && node != first);
    }

    std::string Check() {
        for (const PathNode* square : squares) {
            const LudoPiece* occupant = square->occupant;
            if (occupant && (square->kind == KindFinal || occupant->GetNode() != square)) {
                return "a square's occupant stands elsewhere";
            }
        }
        const auto& players = table.Players();
        for (unsigned seat = 0; seat < players.size(); ++seat) {
            const LudoPlayer* player = players[seat].get();
            int home = 0;
            for (int k = 0; k < 4; ++k) {
                const std::string broken = CheckPiece(player, k, &home);
                if (!broken.empty())
                    return player->GetName() + " piece " + std::to_string(k) + ": " + broken;
            }
            if (player->GetPiecesLeft() != 4 - home) return player->GetName() + ": pieces left";
            if (seat != table.Control().GetCurrentPlayer() && player->GetTurnState() != TurnStart) {
                return player->GetName() + ": in the middle of a turn out of turn";
            }
        }
        const int value = table.Control().GetDice().GetValue();
        return value >= 1 && value <= 6 ? "" : "the die shows " + std::to_string(value);
    }

  private:
    static std::string CheckPiece(const LudoPlayer* player, int k, int* home) {
        const LudoPiece* piece = player->GetPiece(k);
        const PathNode* node = piece->GetNode();
        const bool resting = piece != player->GetMovingPiece();
        if (node == piece->GetYardSpot()) {
            return node->occupant && node->occupant != piece ? "its yard spot is taken" : "";
        }
        if (node->kind == KindYardSpot) return "in a strange yard";
        if (node->kind < 4 && node->kind != player->GetColour()) return "in another home stretch";
        if (piece->GetYardSpot()->occupant == piece) return "also holds its yard spot";
        if (node->kind == KindFinal) {
            *home += resting;
            return "";
        }
        if (resting != (node->occupant == piece)) return "its square does not know it";
        for (int j = 0; j < k && resting; ++j) {
            const LudoPiece* other = player->GetPiece(j);
            if (other->GetNode() == node && other != player->GetMovingPiece()) {
                return "shares a square with its colour";
            }
        }
        return "";
    }

    GameTable& table;
    std::vector<PathNode*> squares;  // borrowed from the board: track and home stretches
};

void AddToTrace(Trace& trace, GameTable& table) {
    GameControl& control = table.Control();
    trace.Add(FakeClock::Now());
    trace.Add(control.GetCurrentPlayer() * 64 + control.GetNextPlayer() * 16 + table.State());
    trace.Add(control.GetDice().GetValue() * 16 + control.GetSixesInARow());
    for (const auto& player : table.Players()) {
        trace.Add(player->GetPiecesLeft());
        for (int k = 0; k < 4; ++k) {
            trace.Add(player->GetPiece(k)->GetX() * 1000 + player->GetPiece(k)->GetY());
        }
    }
    trace.Add(table.Console().GetCurrentText());
}
}  // namespace

WholeGameResult PlayWholeGame(uint32_t seed, const WholeGameOptions& options) {
    SharedRandom.init_genrand(seed);
    FakeClock clock(options.startTick);
    GameRecord.finishers.clear();
    GameTable::TakeGameOverEvents();
    const std::vector<PlayerInfo> seats = ChooseSeats(options);
    GameTable table(seats);
    Script script(table);
    Rules rules(table);
    Trace trace, frames;
    WholeGameResult result;
    std::vector<int> finishedSeen;
    TurnState last = TurnEnd;
    long lastChange = 0;
    while (result.failure.empty() && !result.ended && result.updates < options.maxUpdates) {
        result.failure = script.Act();
        table.Step(options.unevenSteps ? 1 + RandomInt(40) : 20);
        ++result.updates;
        const TurnState state = table.State();
        result.turns += state != last && state == TurnStart;
        if (state != last) lastChange = result.updates;
        last = state;
        if (result.updates - lastChange > 20000)
            result.failure = "stuck in step " + std::to_string(state);
        AddToTrace(trace, table);
        if (options.frameEvery > 0 && result.updates % options.frameEvery == 0) {
            frames.AddFrame(table, result.lastFrame);
        }
        for (const auto& player : table.Players()) {
            const int colour = player->GetColour();
            if (player->HasFinished() &&
                std::count(finishedSeen.begin(), finishedSeen.end(), colour) == 0) {
                finishedSeen.push_back(colour);
            }
        }
        if (options.checkRules && result.failure.empty()) result.failure = rules.Check();
        result.ended = GameTable::TakeGameOverEvents() > 0;
    }
    result.trace = trace.hash.Value();
    result.frames = frames.hash.Value();
    for (const PlayerInfo& finisher : GameRecord.finishers) {
        result.finishColours.push_back(finisher.colour);
    }
    if (!result.failure.empty() || !options.checkRules) return result;
    if (!result.ended) {
        result.failure = "no end after " + std::to_string(result.updates) + " updates";
    } else if (!table.Control().AllFinished()) {
        result.failure = "the game ended before everybody finished";
    } else if (result.finishColours != finishedSeen) {
        result.failure = "the record does not list each player once in finishing order";
    }
    return result;
}
