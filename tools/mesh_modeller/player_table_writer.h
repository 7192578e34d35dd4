#pragma once
#include <string>

#include "mesh_builder.h"

// Stores a mesh modelled in the ship's frame as the player mesh tables: each
// position through the inverse of the drawing transforms, each normal so
// that the drawing transforms bring it back to unit length. Returns false
// (with a message) when the file cannot be written or the counts differ
// from those the game's header declares.
bool writePlayerTables(const MeshBuilder& mesh, const std::string& path);
