#pragma once

// Sets the ambient, diffuse, specular and emission colours of both faces,
// each with the given alpha as its fourth component.
void setMaterialColours(const float ambient[3], const float diffuse[3], const float specular[3],
                        const float emission[3], float alpha);
