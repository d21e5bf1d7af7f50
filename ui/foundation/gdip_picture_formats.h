#pragma once
// Registers the GDI+ picture (TGDIPPicture) with the framework's picture formats for the image files GDI+
// decodes beside BMP and ICO: JPEG, PNG, GIF and TIFF, by extension and by leading bytes. Run at the
// foundation's module start.
namespace ui {

void RegisterGDIPPictureFormats();

}  // namespace ui
