#pragma once

// Resource and control identifiers of the program (the resource script and the code share them).

#define IDR_MAINFRAME 1000
#define IDD_VELMAR_DIALOG 1000
#define IDD_ABOUTBOX 25000
#define IDD_TEXT_VIEW 25002

#define IDS_OS_TOO_OLD 25217

// Main dialog: the truth table. Row r is P 3008 + r, S 3016 + r, D 3024 + r, result 3032 + r.
#define IDC_PATTERN_ROW1 3009
#define IDC_SOURCE_ROW1 3017
#define IDC_DEST_ROW1 3025
#define IDC_RESULT_ROW1 3033
#define IDC_RESULT_ROW8 3040

#define IDC_LABEL_BK1 3005
#define IDC_LABEL_TEXT1 3006
#define IDC_LABEL_BK2 3007
#define IDC_LABEL_TEXT2 3008

#define IDC_BLT_1TO2 3041
#define IDC_BLT_2TO1 3042
#define IDC_PICTURE1 3043
#define IDC_PICTURE2 3044
#define IDC_HEX 3045
#define IDC_PATTERN_COLOR1 3046
#define IDC_PATTERN_COLOR2 3047
#define IDC_BK_COLOR1 3048
#define IDC_BK_COLOR2 3049
#define IDC_TEXT_COLOR1 3050
#define IDC_TEXT_COLOR2 3051
#define IDC_MONO1 3052
#define IDC_MONO2 3053
#define IDC_DEFAULT_PICTURE1 3054
#define IDC_DEFAULT_PICTURE2 3055
#define IDC_DEFAULT_COLORS1 3056
#define IDC_DEFAULT_COLORS2 3057
#define IDC_SRCCOPY 3058

// Main dialog: the meaning of the code, and the expression field.
#define IDC_MEANING_RPN 3062
#define IDC_MEANING_NAME 3063
#define IDC_MEANING_C 3064
#define IDC_MEANING_USES 3065
#define IDC_EXPRESSION 3066
#define IDC_EXPRESSION_SET 3067
#define IDC_MEANING_STATUS 3068
#define IDC_COPY 3069

// Main dialog: the mask group, MaskBlt tried on the samples.
#define IDC_MASK_PICTURE 3070
#define IDC_MASK_BACKGROUND 3071
#define IDC_MASKBLT_1TO2 3072
#define IDC_MASKBLT_2TO1 3073
#define IDC_MASK_INVERT 3074
#define IDC_MASK_FROM1 3075
#define IDC_MASK_ROP4 3076
#define IDC_MASK_DEFAULT_PICTURE 3077
#define IDC_MASK_HINT 3079
#define IDC_MASK_STATUS 3093

// Main dialog: what went wrong with the samples' pictures, under them.
#define IDC_SAMPLES_STATUS 3094

// Main dialog: the form Copy puts the code on the clipboard in.
#define IDC_COPY_FORM 3078

// Main dialog: each panel's brush. Bitmap 1's ids first, then Bitmap 2's.
#define IDC_BRUSH1 3080
#define IDC_BRUSH2 3081
#define IDC_BRUSH_ORIGIN_X1 3082
#define IDC_BRUSH_ORIGIN_Y1 3083
#define IDC_BRUSH_ORIGIN_X2 3084
#define IDC_BRUSH_ORIGIN_Y2 3085
#define IDC_BRUSH_EDIT1 3086
#define IDC_BRUSH_EDIT2 3087
#define IDC_BRUSH_ORIGIN_X1_SPIN 3111
#define IDC_BRUSH_ORIGIN_Y1_SPIN 3112
#define IDC_BRUSH_ORIGIN_X2_SPIN 3113
#define IDC_BRUSH_ORIGIN_Y2_SPIN 3114
#define IDC_BRUSH_COLORS1 3115
#define IDC_BRUSH_COLORS2 3116

// Main dialog: the pictures as a workbench (open, paste, copy, undo), and the mask as a source.
#define IDC_MASK_BLT_TO1 3088
#define IDC_MASK_BLT_TO2 3089
#define ID_PASTE_PICTURE1 3100
#define ID_PASTE_PICTURE2 3101
#define ID_PASTE_MASK 3102
#define ID_COPY_PICTURE1 3103
#define ID_COPY_PICTURE2 3104
#define ID_COPY_MASK 3105
#define ID_OPEN_PICTURE1 3106
#define ID_OPEN_PICTURE2 3107
#define ID_OPEN_MASK 3108
#define ID_UNDO_PICTURE 3109
#define ID_REDO_PICTURE 3110

// Main dialog: the code as a diagram, and the pixel inspector.
#define IDC_ROP_DIAGRAM 3090
#define IDC_KARNAUGH_MAP 3091
#define IDC_PIXEL_INSPECTOR 3092

// The brush pattern editor.
#define IDD_PATTERN_EDITOR 1001
#define IDC_PATTERN_GRID 3120
#define IDC_PATTERN_INVERT 3121
#define IDC_PATTERN_CLEAR 3122
#define IDC_PATTERN_PREVIEW 3123

// Commands the main dialog posts to itself; no control has these ids.
#define ID_SYNC_FROM_HEX 3059
#define ID_SYNC_FROM_TABLE 3060

// About box.
#define IDC_ABOUT_NAME_VERSION 27003
#define IDC_ABOUT_LEGAL 27004
#define IDC_ABOUT_DESCRIPTION 27005
#define IDC_ABOUT_WEB_SITE 27007

// Text viewer.
#define IDC_TEXT_VIEW_EDIT 100
