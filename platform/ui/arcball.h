// The arcball: a point of the view mapped onto a unit sphere in front of it, and a drag from one
// such point to another turned into the rotation that carries the first onto the second. With
// the small vector, quaternion and matrix operations the 3D view needs; matrices are column-major
// (m[column * rows + row]), as OpenGL takes them.
#pragma once

namespace platform::ui {

struct Vector3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

/// A rotation as (x, y, z, w); the zero quaternion stands for no rotation.
struct Quaternion {
    float x = 0;
    float y = 0;
    float z = 0;
    float w = 0;
};

Vector3 Vector3Cross(const Vector3& a, const Vector3& b);
float Vector3Dot(const Vector3& a, const Vector3& b);
float Vector3LengthSquared(const Vector3& a);

/// The 3 x 3 matrices.
void Matrix3SetZero(float (&m)[9]);
void Matrix3SetIdentity(float (&m)[9]);
/// The rotation of quaternion q, scaled to unit length first (2 / |q|^2); identity for the zero
/// quaternion.
void Matrix3FromQuaternion(const Quaternion& q, float (&m)[9]);
/// m = a b.
void Matrix3Multiply(const float (&a)[9], const float (&b)[9], float (&m)[9]);

/// The 4 x 4 matrices.
void Matrix4SetIdentity(float (&m)[16]);
/// The scale of the rotation part of m: the length its columns have when m is a rotation
/// scaled alike in every direction (square root of a third of the sum of the squares of its nine
/// entries); 1 for a pure rotation.
float Matrix4RotationScale(const float (&m)[16]);
/// The rotation part of m set to r, leaving the rest of m.
void Matrix4CopyRotation(const float (&r)[9], float (&m)[16]);
/// The rotation part of m set to r times m's present rotation scale.
void Matrix4SetRotation(const float (&r)[9], float (&m)[16]);
/// The rotation part of m multiplied by `scale`.
void Matrix4ScaleRotation(float scale, float (&m)[16]);

class ArcBall {
public:
    /// A view of `width` x `height` pixels.
    ArcBall(float width, float height);
    /// A view of a new size.
    void SetBounds(float width, float height);
    /// The press that starts a drag, in view pixels (y down).
    void Click(float x, float y);
    /// The rotation from the press to (x, y): about click x drag, by twice the angle between
    /// them; the zero quaternion when the two points are (nearly) the same.
    Quaternion Drag(float x, float y);
    /// (x, y) onto the unit sphere: x' = x sx - 1, y' = 1 - y sy; a point outside the unit
    /// circle goes to its edge.
    Vector3 MapToSphere(float x, float y) const;

    float m_fScaleX = 0;
    float m_fScaleY = 0;
    Vector3 m_vClick;
    Vector3 m_vDrag;
};

}  // namespace platform::ui
