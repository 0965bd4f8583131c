#include "game/minigames/Ball.h"

#include "engine/graphics/GLTexture.h"

Ball::Ball(const GLTexture* texture, float x, float y, float vx, float vy)
    : ImageWidget(texture), velocityX(vx), velocityY(vy), centreX(x), centreY(y) {
    int diameter = texture ? texture->imageWidth() : 0;
    if (diameter <= 0) {
        diameter = FallbackDiameter;
        setSize(diameter, diameter);
    }
    radius = int(diameter * 0.5f);
    placeWidget();
}

void Ball::advance() {
    centreX += velocityX * float(stepMs) / 1000.0f;
    centreY += velocityY * float(stepMs) / 1000.0f;
}

void Ball::placeWidget() {
    setPosition(int(centreX - float(radius)), int(centreY - float(radius)), true);
}
