// Builds the two ship meshes from code and writes them as C++ tables that
// the game compiles in. Usage: mesh_modeller <player.cpp> <capital.cpp>
#include <cstdio>

#include "capital_ship.h"
#include "capital_table_writer.h"
#include "player_fighter.h"
#include "player_table_writer.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <player tables.cpp> <capital tables.cpp>\n", argv[0]);
        return 2;
    }
    MeshBuilder fighter;
    buildPlayerFighter(fighter);
    MeshBuilder capital;
    buildCapitalShip(capital);
    const bool playerWritten = writePlayerTables(fighter, argv[1]);
    const bool capitalWritten = writeCapitalTables(capital, argv[2]);
    return playerWritten && capitalWritten ? 0 : 1;
}
