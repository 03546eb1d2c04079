// The 3D model of the girder that Results/3D Rendering shows: built from the section and the
// strand groups by BuildModel3D, rebuilt from scratch on every call, never stored in a file.
#pragma once

#include "platform/model_3d.h"

namespace kordel {

using platform::Model3D;
using platform::ModelCylinder;
using platform::ModelEdge;
using platform::ModelQuad;

/// Length of the solid end blocks in which the girder's voids stop, ft.
inline constexpr double kModelVoidEndBlock = 0.5;

struct Model3DResults {
    Model3D m_model3D;          ///< the model's lists, centred on the origin, ft
    float m_fModelScale = 1.0f;  ///< factor on every coordinate of the model
};

}  // namespace kordel
