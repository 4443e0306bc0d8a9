#pragma once
// The GL state that the whole run draws with, set once after the display opens.

// Viewport over width by height pixels from the origin; a perspective projection
// with the field of view and clipping planes of the scene, for that width to height
// ratio; the modelview matrix selected and the identity.
void setProjection(int width, int height);

// Smooth shading, black clear colour, clear depth 1, no depth test, the vertex,
// texture-coordinate and colour arrays on, 2D texturing on, and additive blending
// weighted by the fragment's alpha.
void initGLState();
