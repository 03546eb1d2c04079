#include "platform/ui/arcball.h"

#include <cmath>

namespace platform::ui {

Vector3 Vector3Cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Vector3Dot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

float Vector3LengthSquared(const Vector3& a) {
    return Vector3Dot(a, a);
}

void Matrix3SetZero(float (&m)[9]) {
    for (float& v : m) v = 0;
}

void Matrix3SetIdentity(float (&m)[9]) {
    Matrix3SetZero(m);
    m[0] = m[4] = m[8] = 1;
}

void Matrix3FromQuaternion(const Quaternion& q, float (&m)[9]) {
    const float n = q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w;
    const float s = n > 0 ? 2.0f / n : 0.0f;
    const float xs = q.x * s, ys = q.y * s, zs = q.z * s;
    const float wx = q.w * xs, wy = q.w * ys, wz = q.w * zs;
    const float xx = q.x * xs, xy = q.x * ys, xz = q.x * zs;
    const float yy = q.y * ys, yz = q.y * zs, zz = q.z * zs;
    // m[column * 3 + row]
    m[0] = 1 - (yy + zz), m[3] = xy - wz, m[6] = xz + wy;
    m[1] = xy + wz, m[4] = 1 - (xx + zz), m[7] = yz - wx;
    m[2] = xz - wy, m[5] = yz + wx, m[8] = 1 - (xx + yy);
}

void Matrix3Multiply(const float (&a)[9], const float (&b)[9], float (&m)[9]) {
    float r[9];
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 3; ++row) {
            r[c * 3 + row] = a[row] * b[c * 3] + a[3 + row] * b[c * 3 + 1] + a[6 + row] * b[c * 3 + 2];
        }
    }
    for (int k = 0; k < 9; ++k) m[k] = r[k];
}

void Matrix4SetIdentity(float (&m)[16]) {
    for (float& v : m) v = 0;
    m[0] = m[5] = m[10] = m[15] = 1;
}

float Matrix4RotationScale(const float (&m)[16]) {
    float sum = 0;
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) sum += m[c * 4 + r] * m[c * 4 + r];
    }
    return std::sqrt(sum / 3.0f);
}

void Matrix4CopyRotation(const float (&r)[9], float (&m)[16]) {
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 3; ++row) m[c * 4 + row] = r[c * 3 + row];
    }
}

void Matrix4ScaleRotation(float scale, float (&m)[16]) {
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 3; ++row) m[c * 4 + row] *= scale;
    }
}

void Matrix4SetRotation(const float (&r)[9], float (&m)[16]) {
    const float scale = Matrix4RotationScale(m);
    Matrix4CopyRotation(r, m);
    Matrix4ScaleRotation(scale, m);
}

ArcBall::ArcBall(float width, float height) {
    SetBounds(width, height);
}

void ArcBall::SetBounds(float width, float height) {
    // A view one pixel wide or high maps everything onto the sphere's rim.
    m_fScaleX = width > 1 ? 1.0f / ((width - 1.0f) * 0.5f) : 0.0f;
    m_fScaleY = height > 1 ? 1.0f / ((height - 1.0f) * 0.5f) : 0.0f;
}

Vector3 ArcBall::MapToSphere(float x, float y) const {
    const float px = x * m_fScaleX - 1.0f;
    const float py = 1.0f - y * m_fScaleY;
    const float length2 = px * px + py * py;
    if (length2 > 1.0f) {
        const float norm = 1.0f / std::sqrt(length2);
        return {px * norm, py * norm, 0.0f};
    }
    return {px, py, std::sqrt(1.0f - length2)};
}

void ArcBall::Click(float x, float y) {
    m_vClick = MapToSphere(x, y);
}

Quaternion ArcBall::Drag(float x, float y) {
    m_vDrag = MapToSphere(x, y);
    const Vector3 c = Vector3Cross(m_vClick, m_vDrag);
    if (std::sqrt(Vector3LengthSquared(c)) <= 1e-5f) return {};
    return {c.x, c.y, c.z, Vector3Dot(m_vClick, m_vDrag)};
}

}  // namespace platform::ui
