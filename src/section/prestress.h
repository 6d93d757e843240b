// Prestress of prestressed sections: the uniform concrete and strand strains after losses, the
// PCI estimates of the axial and moment capacities and their report block (once per section).
#pragma once

// Reads the slice areas and the section's prestress input; sets rd_PrestrainConcrete,
// rd_PrestrainSteel, rd_fpc, rd_AxialCapComp, rd_AxialCapTens and rd_MnPCI. Raises Runtime
// Error 14 (no concrete area) or 15 (no strand area).
void Calculate_Strains_Due_To_Prestressing(int s);
