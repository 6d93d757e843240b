// The soil type code table: twenty ten-character codes whose position is the soil type number
// of a layer, with the long names the reports use.
#pragma once

constexpr int k_Soil_SoftClay = 1;
constexpr int k_Soil_StfClyBW = 2;
constexpr int k_Soil_StfClyAW = 3;
constexpr int k_Soil_StfClyAK = 4;
constexpr int k_Soil_Sand = 5;
constexpr int k_Soil_APISand = 6;
constexpr int k_Soil_LiqSand = 7;
constexpr int k_Soil_WeakRock = 8;
constexpr int k_Soil_VuggyLS = 9;
constexpr int k_Soil_Piedmont = 10;
constexpr int k_Soil_CemSilt = 11;
constexpr int k_Soil_KSLoess = 12;
constexpr int k_Soil_ElastSG = 13;
constexpr int k_Soil_UserPY = 14;
constexpr int k_Soil_SoftClyJ = 15;
constexpr int k_Soil_MassRock = 16;
constexpr int k_Soil_FrzSoil = 17;

// Fills SoilTypeCode and SoilTypeName of the model (part of the initial state).
// Soil class of a layer at an interface, from its soil type.
constexpr int k_Soil_Class_Other = 0;
constexpr int k_Soil_Class_Cohesive = 1;
constexpr int k_Soil_Class_Cohesionless = 2;
constexpr int k_Soil_Class_Rock = 3;
constexpr int k_Soil_Class_Cemented_Silt = 4;
constexpr int k_Soil_Class_Elastic_Subgrade = 5;

// The code of a soil type as the report prints it (ten characters) and its long name; "" for a
// number outside 1 to k_Num_Soil_Types.
const char* Soil_Type_Code_Text(int type);
const char* Soil_Type_Name_Text(int type);
