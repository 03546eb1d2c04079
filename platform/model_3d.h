// The 3D girder model as plain data: coloured faces, edge lines, polylines and cylinders in
// single-precision feet. The design builds it (CKordelDoc::BuildModel3D) and the 3D view draws
// it; neither side needs the other's headers.
#pragma once

#include <vector>

namespace platform {

/// A face of four corners (x, y, z) in order, and its colour (red, green, blue, 0 to 1). A
/// triangle repeats its third corner as its fourth; a strand line is a polyline through the
/// four corners.
struct ModelQuad {
    float vertex[4][3] = {};
    float colour[3] = {};

    bool operator==(const ModelQuad&) const = default;
};

/// One edge line of the wireframe view: two ends (x, y, z) and a colour.
struct ModelEdge {
    float vertex[2][3] = {};
    float colour[3] = {};

    bool operator==(const ModelEdge&) const = default;
};

/// A circular void: a cylinder whose axis starts at (x, y, z) and runs `length` in +x.
struct ModelCylinder {
    float radius = 0;
    float length = 0;
    float x = 0;
    float y = 0;
    float z = 0;

    bool operator==(const ModelCylinder&) const = default;
};

/// The lists of one model. x runs along the girder, y up, z across; the model's centre is the
/// origin. The lists grow as the section needs: no outline or strand count is cut short.
struct Model3D {
    std::vector<ModelQuad> sideQuads;    ///< girder sides and the triangles of both end faces
    std::vector<ModelQuad> voidQuads;    ///< walls and end caps of the polygonal void
    std::vector<ModelCylinder> cylinders;  ///< circular voids
    std::vector<ModelEdge> edges;        ///< wireframe edge lines
    std::vector<ModelQuad> strandQuads;  ///< one four-point line per strand

    bool operator==(const Model3D&) const = default;
};

}  // namespace platform
