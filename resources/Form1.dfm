object Form1: TForm1
  Left = 534
  Top = 413
  BorderStyle = bsDialog
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = "Tarnwick动态域名解析客户端"
  ClientWidth = 254
  ClientHeight = 181
  Constraints.MinWidth = 130
  Constraints.MinHeight = 23
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = "MS Sans Serif"
  Font.Style = []
  Menu = suiMainMenu1
  Position = poScreenCenter
  Scaled = False
  PixelsPerInch = 96
  OnCreate = FormCreate
  object Label1: TLabel
    Left = 20
    Top = 55
    Width = 48
    Height = 12
    Caption = "用户名："
    Font.Charset = GB2312_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = "宋体"
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 20
    Top = 88
    Width = 48
    Height = 12
    Caption = "密  码："
    Font.Charset = ANSI_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = "宋体"
    ParentFont = False
    Transparent = True
  end
  object Label3: TLabel
    Left = 190
    Top = 55
    Width = 44
    Height = 14
    Caption = ".tarn.cn"
    Font.Charset = ANSI_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = "Tahoma"
    ParentFont = False
    Transparent = True
  end
  object Label4: TLabel
    Left = 18
    Top = 155
    Width = 36
    Height = 12
    Caption = "状态："
    Font.Charset = ANSI_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = "宋体"
    ParentFont = False
    Transparent = True
  end
  object Label5: TLabel
    Left = 56
    Top = 155
    Width = 6
    Height = 12
    AutoSize = True
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -12
    Font.Name = "宋体"
    ParentFont = False
    Transparent = True
  end
  object Label6: TLabel
    Left = 110
    Top = 155
    Width = 23
    Height = 14
    Caption = "IP："
    Font.Charset = ANSI_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = "Tahoma"
    ParentFont = False
    Transparent = True
  end
  object Label7: TLabel
    Left = 135
    Top = 155
    Width = 4
    Height = 14
    AutoSize = True
    Font.Charset = ANSI_CHARSET
    Font.Color = clRed
    Font.Height = -12
    Font.Name = "Tahoma"
    ParentFont = False
    Transparent = True
  end
  object suiEdit1: TEdit
    Left = 72
    Top = 52
    Width = 110
    Height = 19
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = "Tahoma"
    ParentFont = False
    TabOrder = 1
  end
  object suiEdit2: TEdit
    Left = 72
    Top = 84
    Width = 110
    Height = 19
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -12
    Font.Name = "Tahoma"
    ParentFont = False
    PasswordChar = "*"
    TabOrder = 6
  end
  object suiButton1: TButton
    Left = 18
    Top = 120
    Width = 46
    Height = 22
    Caption = "登陆"
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = "MS Sans Serif"
    ParentFont = False
    TabOrder = 3
    OnClick = suiButton1Click
  end
  object suiButton2: TButton
    Left = 74
    Top = 120
    Width = 46
    Height = 22
    Caption = "断开"
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = "MS Sans Serif"
    ParentFont = False
    TabOrder = 4
    OnClick = suiButton2Click
  end
  object suiButton3: TButton
    Left = 130
    Top = 120
    Width = 46
    Height = 22
    Caption = "安装"
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = "MS Sans Serif"
    ParentFont = False
    TabOrder = 5
    OnClick = suiButton3Click
  end
  object suiButton4: TButton
    Left = 186
    Top = 120
    Width = 46
    Height = 22
    Caption = "卸载"
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = "MS Sans Serif"
    ParentFont = False
    TabOrder = 7
    OnClick = suiButton4Click
  end
  object suiMainMenu1: TMainMenu
    object P1: TMenuItem
      Caption = "程序(&P)"
      object I1: TMenuItem
        Caption = "安装服务(&I)"
        OnClick = I1Click
      end
      object R1: TMenuItem
        Caption = "卸载服务(&R)"
        OnClick = R1Click
      end
      object O1: TMenuItem
        Caption = "在线升级(&O)"
        OnClick = O1Click
      end
      object QF1: TMenuItem
        Caption = "退出程序(&Q)"
        OnClick = QF1Click
      end
    end
    object H1: TMenuItem
      Caption = "帮助(&H)"
      object H2: TMenuItem
        Caption = "使用帮助(&E)"
        OnClick = H2Click
      end
      object A1: TMenuItem
        Caption = "开源软件(&A)"
        OnClick = A1Click
      end
      object V1: TMenuItem
        Caption = "访问官网(&V)"
        OnClick = V1Click
      end
    end
    object U1: TMenuItem
      Caption = "用户(&U)"
      object R2: TMenuItem
        Caption = "用户注册(&R)"
        OnClick = R2Click
      end
      object F1: TMenuItem
        Caption = "找回密码(&F)"
        OnClick = F1Click
      end
    end
  end
  object Timer1: TTimer
    Interval = 5000
    OnTimer = Timer1Timer
  end
end
