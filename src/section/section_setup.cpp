// The start of a pile section's analysis (see section_setup.h).
#include "section/section_setup.h"

#include "model/model.h"
#include "model/section_types.h"
#include "section/materials.h"
#include "section/prestress.h"
#include "section/section_geometry.h"

void Setup_Section_Values(int s) {
    Set_Section_Outline(s);
    Set_Material_Constants(s);
}

void Initialize_EI_Vars(int s) {
    Setup_Section_Values(s);
    Slice_Section(s);
    if (Is_Prestressed_Type(g_Model.SectionType[s])) Calculate_Strains_Due_To_Prestressing(s);
}
