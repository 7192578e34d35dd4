#pragma once

// Draws the player's fighter at the current matrix: the mesh's own scale and
// placement are multiplied onto the caller's matrix, which the caller restores.
void drawPlayerMesh();
// Sets one of the player mesh's materials (untextured, lit).
void applyPlayerMaterial(int index);
