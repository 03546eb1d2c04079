#include "platform/gl/gl_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace platform::gl {
namespace {

/// The unit normal (Q - P) x (R - P) of a face's first three corners; false for a face with
/// no area, which keeps the normal before it.
bool FaceNormal(const ModelQuad& q, float (&n)[3]) {
    const float* p = q.vertex[0];
    const float* a = q.vertex[1];
    const float* b = q.vertex[2];
    const float u[3] = {a[0] - p[0], a[1] - p[1], a[2] - p[2]};
    const float v[3] = {b[0] - p[0], b[1] - p[1], b[2] - p[2]};
    n[0] = u[1] * v[2] - u[2] * v[1];
    n[1] = u[2] * v[0] - u[0] * v[2];
    n[2] = u[0] * v[1] - u[1] * v[0];
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (!(length > 0.0f)) return false;
    for (float& c : n) c /= length;
    return true;
}

void DrawFaces(const std::vector<ModelQuad>& faces) {
    glBegin(GL_QUADS);
    for (const ModelQuad& q : faces) {
        glColor3fv(q.colour);
        float n[3];
        if (FaceNormal(q, n)) glNormal3fv(n);
        for (const auto& v : q.vertex) glVertex3fv(v);
    }
    glEnd();
}

}  // namespace

void GlModelRenderer::Resize(int width, int height) {
    if (!MakeCurrent()) return;
    if (height <= 0) height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1, 500.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlModelRenderer::InitGL() {
    if (!MakeCurrent()) return;
    if (!m_pCylinderQuadric) {
        m_pCylinderQuadric = gluNewQuadric();
        m_pDiskQuadric = gluNewQuadric();
        for (GLUquadric* q : {m_pCylinderQuadric, m_pDiskQuadric}) {
            if (!q) continue;
            gluQuadricNormals(q, GLU_SMOOTH);
            gluQuadricTexture(q, GL_TRUE);
        }
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_FLAT);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 50.0f);
    // The light's direction is taken in eye coordinates: from the upper right, in front.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const GLfloat direction[] = {1.0f, 1.0f, 1.0f, 0.0f};
    const GLfloat ambient[] = {0.33f, 0.33f, 0.33f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glPopMatrix();
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
}

void GlModelRenderer::BuildDisplayList(const Model3D& model, int mode, bool showVoids) {
    if (!MakeCurrent()) return;
    if (m_nList == 0) m_nList = glGenLists(1);
    if (m_nList == 0) return;
    glNewList(m_nList, GL_COMPILE);
    if (mode == ui::kRenderSolid) {
        DrawFaces(model.sideQuads);
    } else if (mode == ui::kRenderWireframe) {
        // Lines take their own colour, unlit.
        glDisable(GL_LIGHTING);
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_LINES);
        for (const ModelEdge& e : model.edges) {
            glVertex3fv(e.vertex[0]);
            glVertex3fv(e.vertex[1]);
        }
        glEnd();
        glColor3f(0.0f, 0.0f, 1.0f);
        for (const ModelQuad& s : model.strandQuads) {
            glBegin(GL_LINE_STRIP);
            for (const auto& v : s.vertex) glVertex3fv(v);
            glEnd();
        }
        glEnable(GL_LIGHTING);
        if (showVoids) {
            DrawFaces(model.voidQuads);
            glColor3f(0.8f, 0.8f, 0.8f);
            for (const ModelCylinder& c : model.cylinders) {
                if (!m_pCylinderQuadric || !m_pDiskQuadric) break;
                // GLU's cylinder runs along +z from the origin: turned to run along +x.
                glPushMatrix();
                glTranslatef(c.x, c.y, c.z);
                glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
                gluCylinder(m_pCylinderQuadric, c.radius, c.radius, c.length, 32, 32);
                gluQuadricOrientation(m_pDiskQuadric, GLU_INSIDE);
                gluDisk(m_pDiskQuadric, 0.0, c.radius, 32, 32);
                glTranslatef(0.0f, 0.0f, c.length);
                gluQuadricOrientation(m_pDiskQuadric, GLU_OUTSIDE);
                gluDisk(m_pDiskQuadric, 0.0, c.radius, 32, 32);
                glPopMatrix();
            }
        }
    }
    glEndList();
}

void GlModelRenderer::Render(const ui::GlCamera& camera) {
    if (!MakeCurrent()) return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(camera.translation[0], camera.translation[1], camera.translation[2]);
    glRotatef(camera.angle, camera.axis[0], camera.axis[1], camera.axis[2]);
    glPushMatrix();
    glMultMatrixf(camera.transform);
    if (m_nList != 0) glCallList(m_nList);
    glPopMatrix();
    ShowFrame();
    glFlush();
}

void GlModelRenderer::ReleaseGl() {
    // The quadrics are GLU's memory; the list belongs to the context and goes with it when the
    // context cannot be made current any more.
    if (m_pCylinderQuadric) gluDeleteQuadric(m_pCylinderQuadric);
    if (m_pDiskQuadric) gluDeleteQuadric(m_pDiskQuadric);
    m_pCylinderQuadric = m_pDiskQuadric = nullptr;
    if (m_nList != 0 && MakeCurrent()) glDeleteLists(m_nList, 1);
    m_nList = 0;
}

}  // namespace platform::gl
