#pragma once
#include <string>

#include "mesh_builder.h"

// Stores a mesh modelled in the capital ship's model frame as the capital
// mesh tables, undoing the model's draw (×600, a 270° turn about x) so the
// drawn mesh lands where it was modelled. Triangles are grouped by material
// in build order. Returns false (with a message) when the file cannot be
// written or the counts differ from those the game's header declares.
bool writeCapitalTables(const MeshBuilder& mesh, const std::string& path);
