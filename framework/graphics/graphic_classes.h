// Registers the framework's graphic classes by name, so a picture's stored form can make its graphic.
// Run once at start-up (RegisterFrameworkModules).
#pragma once

namespace fw {

void RegisterGraphicClasses();

}  // namespace fw
